// key_index.h - first-record-by-key maps over one table, so that each link pass resolves its
// keys in constant time while keeping the rule of a scan in file order: of two records with
// the same key, the first one is found.
#pragma once

#include "model/Document.h"
#include "model/s_integers.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace varnholt::document {

template <class Record>
class KeyIndex {
public:
    // `key` names the record's key member, e.g. &ProjectRecord::proj_id.
    KeyIndex(const RecordTable<Record>& table, s_unsigned_long Record::*key) {
        m_first.reserve(table.size());
        for (const auto& record : table) m_first.try_emplace(((*record).*key).value, record.get());
    }

    // Keys compare as stored numbers; the null flag plays no part.
    [[nodiscard]] Record* Find(const s_unsigned_long& key) const {
        const auto found = m_first.find(key.value);
        return found != m_first.end() ? found->second : nullptr;
    }

private:
    std::unordered_map<std::uint32_t, Record*> m_first;
};

// Every record of a key, in file order.
template <class Record>
class KeyGroups {
public:
    KeyGroups(const RecordTable<Record>& table, s_unsigned_long Record::*key) {
        for (const auto& record : table) m_groups[((*record).*key).value].push_back(record.get());
    }

    [[nodiscard]] const std::vector<Record*>& Find(const s_unsigned_long& key) const {
        static const std::vector<Record*> kNone;
        const auto found = m_groups.find(key.value);
        return found != m_groups.end() ? found->second : kNone;
    }

private:
    std::unordered_map<std::uint32_t, std::vector<Record*>> m_groups;
};

// Looks a key up in one of the document's id indexes.
template <class Record>
[[nodiscard]] Record* FindIndexed(const IdIndex<Record>& index, const s_unsigned_long& key) {
    const auto found = index.find(key.value);
    return found != index.end() ? found->second : nullptr;
}

}  // namespace varnholt::document
