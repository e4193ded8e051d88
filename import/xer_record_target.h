// xer_record_target.h - the record that one row line fills: created by the Document's factory
// of the row's table and filled value by value through that table's field setter. Holds the
// record without its type so the reader's row loop is the same for all 31 tables.
#pragma once

#include "model/xer_table.h"

#include <cstddef>
#include <string_view>

namespace varnholt::document {

class Document;

class xer_record_target {
public:
    xer_record_target() = default;  // no record: every value is dropped

    // A new record of the table, appended to the Document's table of that kind.
    [[nodiscard]] static xer_record_target create(Document& doc, varnholt::xer_table table);
    // The size of one record of the table, for the reader's memory allowance.
    [[nodiscard]] static std::size_t record_size(varnholt::xer_table table);

    void set(int field_id, std::wstring_view text) const {
        if (m_record != nullptr) m_set(m_record, field_id, text);
    }
    explicit operator bool() const { return m_record != nullptr; }

private:
    using erased_setter = void (*)(void* record, int field_id, std::wstring_view text);
    xer_record_target(void* record, erased_setter set) : m_record(record), m_set(set) {}

    void* m_record = nullptr;  // a record of the table `m_set` was made for, never of another
    erased_setter m_set = nullptr;
};

}  // namespace varnholt::document
