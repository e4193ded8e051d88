// xer_doc.cpp - the reader's description of a file and its name maps.

#include "import/xer_doc.h"

#include "import/xer_field_defs.h"

namespace varnholt::document {

std::unique_ptr<xer_field> xer_field::create(std::wstring name) {
    return std::make_unique<xer_field>(std::move(name));
}

xer_field& xer_table::add_field(std::wstring field_name) {
    return *fields.emplace_back(xer_field::create(std::move(field_name)));
}

xer_row& xer_table::add_row() { return *rows.emplace_back(std::make_unique<xer_row>()); }

std::unique_ptr<xer_doc> xer_doc::create() { return std::unique_ptr<xer_doc>(new xer_doc()); }

xer_doc::xer_doc() {
    build_table_ids();
    for (int id = 1; id <= kXerTableCount; ++id) build_field_ids(static_cast<varnholt::xer_table>(id));
}

void xer_doc::build_table_ids() {
    for (const xer_table_name& table : xer_table_names())
        m_table_ids.emplace(std::wstring(table.name), static_cast<int>(table.id));
}

void xer_doc::build_field_ids(varnholt::xer_table table) {
    name_map& ids = m_field_ids[static_cast<std::size_t>(table) - 1];
    int id = 0;
    for (const xer_field_def& field : xer_field_defs(table)) ids.emplace(std::wstring(field.name), ++id);
}

xer_table& xer_doc::add_table() { return *m_tables.emplace_back(std::make_unique<xer_table>()); }

int xer_doc::table_id(std::wstring_view table_name) const {
    const auto found = m_table_ids.find(table_name);
    return found != m_table_ids.end() ? found->second : 0;
}

int xer_doc::field_id(int table_id, std::wstring_view field_name) const {
    if (table_id < 1 || table_id > kXerTableCount) return 0;
    const name_map& ids = m_field_ids[static_cast<std::size_t>(table_id) - 1];
    const auto found = ids.find(field_name);
    return found != ids.end() ? found->second : 0;
}

}  // namespace varnholt::document
