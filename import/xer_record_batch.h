// xer_record_batch.h - the records that a run of row lines of one table fills: each made with
// the table's defaults, filled value by value through the table's field setter, then all
// handed to the Document's table of that kind in order. Holds the records without their type
// so the reader's row loop is the same for all 31 tables, and owns them until they are handed
// over, so a read that stops early leaks none.
#pragma once

#include "model/xer_table.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace varnholt::document {

class Document;
struct xer_table_binding;

class xer_record_batch {
public:
    // A batch of records of the table; of an unknown table, a batch that drops every value.
    explicit xer_record_batch(varnholt::xer_table table);
    xer_record_batch(xer_record_batch&& other) noexcept;
    xer_record_batch& operator=(xer_record_batch&& other) noexcept;
    ~xer_record_batch();

    // The size of one record of the table, for the reader's memory allowance.
    [[nodiscard]] static std::size_t record_size(varnholt::xer_table table);

    void reserve(std::size_t count) { m_records.reserve(count); }
    // A new record with the table's defaults at the end of the batch. Touches nothing shared,
    // so worker threads may fill batches of their own at the same time.
    void add();
    // Parses the text into field `field_id` of the last record added.
    void set(int field_id, std::wstring_view text) const;
    // Appends every record, in order, to the Document's table of its kind, as the table's
    // factory does; the batch is empty afterwards.
    void hand_to(Document& doc);
    [[nodiscard]] std::size_t size() const { return m_records.size(); }

private:
    void destroy_all() noexcept;

    const xer_table_binding* m_binding = nullptr;
    std::vector<void*> m_records;  // records of the table `m_binding` was made for, never of another
};

}  // namespace varnholt::document
