// xer_record_target.h - the record that one row line fills: made with the defaults of the row's
// table, filled value by value through that table's field setter, then handed to the Document's
// table of that kind. Holds the record without its type so the reader's row loop is the same
// for all 31 tables, and owns it until it is handed over, so a read that stops early leaks none.
#pragma once

#include "model/xer_table.h"

#include <cstddef>
#include <string_view>

namespace varnholt::document {

class Document;
struct xer_table_binding;

class xer_record_target {
public:
    xer_record_target() = default;  // no record: every value is dropped
    xer_record_target(xer_record_target&& other) noexcept;
    xer_record_target& operator=(xer_record_target&& other) noexcept;
    ~xer_record_target();

    // A new record of the table with its defaults, not yet in any Document. Touches nothing
    // shared, so worker threads may make records at the same time.
    [[nodiscard]] static xer_record_target make(varnholt::xer_table table);
    // The size of one record of the table, for the reader's memory allowance.
    [[nodiscard]] static std::size_t record_size(varnholt::xer_table table);

    void set(int field_id, std::wstring_view text) const;
    // Appends the record to the Document's table of its kind, as the table's factory does;
    // the target holds no record afterwards.
    void hand_to(Document& doc);
    explicit operator bool() const { return m_record != nullptr; }

private:
    xer_record_target(const xer_table_binding* binding, void* record) : m_binding(binding), m_record(record) {}
    void reset() noexcept;

    const xer_table_binding* m_binding = nullptr;
    void* m_record = nullptr;  // a record of the table `m_binding` was made for, never of another
};

}  // namespace varnholt::document
