// field_dispatch.h - the dense id tables behind the records' GetFieldValue. Each table holds one
// reader per field id of a record's range, found by indexing with (id - first id), so a read
// costs one range check and one indirect call whatever the id. The tables are built while
// compiling: an id outside the range or listed twice stops the build.
#pragma once

#include "model/records/calendar_factors.h"
#include "model/s_val.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace varnholt {

template <class Record>
using FieldReader = const s_val* (*)(const Record&);

template <class Record>
struct FieldEntry {
    std::int32_t id;
    FieldReader<Record> read;
};

template <class Pointer>
struct member_of;
template <class Record, class Value>
struct member_of<Value Record::*> {
    using record = Record;
};

// A reader of the record's own member, returned as it stands.
template <auto Member>
const s_val* Own(const typename member_of<decltype(Member)>::record& record) {
    return &(record.*Member);
}

// Ids without a reader answer the shared null value.
template <class Record, std::int32_t First, std::int32_t Last>
class FieldDispatch {
public:
    static constexpr std::size_t kSize = static_cast<std::size_t>(Last - First + 1);

    template <std::size_t N>
    consteval explicit FieldDispatch(const FieldEntry<Record> (&entries)[N]) {
        // Occupancy is tracked apart: the compiler will not compare the address of a
        // template function with null while it builds the table.
        std::array<bool, kSize> taken{};
        for (const FieldEntry<Record>& entry : entries) {
            if (entry.id < First || entry.id > Last) throw "field table: an id outside the record's range";
            const auto index = static_cast<std::size_t>(entry.id - First);
            if (taken[index]) throw "field table: an id listed twice";
            taken[index] = true;
            m_readers[index] = entry.read;
        }
    }

    [[nodiscard]] const s_val* Read(const Record& record, std::int32_t field_id) const {
        // Unsigned arithmetic: any id below First wraps round to a large index.
        const std::uint32_t index = static_cast<std::uint32_t>(field_id) - static_cast<std::uint32_t>(First);
        if (index >= kSize) return &s_val::null_value();
        const FieldReader<Record> read = m_readers[index];
        return read != nullptr ? read(record) : &s_val::null_value();
    }

private:
    std::array<FieldReader<Record>, kSize> m_readers{};
};

// The value of a linked record, or the shared null value when the link is missing.
template <class Record, class Value>
const s_val* LinkedValue(const Record* linked, Value Record::*member) {
    return linked != nullptr ? &(linked->*member) : &s_val::null_value();
}

}  // namespace varnholt
