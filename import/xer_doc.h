// xer_doc.h - what one read of an XER export found: its tables in file order, each with the
// field names of its "%F" line, and the name-to-id maps the reader resolves names with.
//
// The reader's classes live in varnholt::document beside the Document they fill. There the
// name xer_table is the reader's table class; the enum of table ids is varnholt::xer_table.
#pragma once

#include "model/s_val.h"
#include "model/xer_table.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt::document {

// One name of a "%F" line.
class xer_field {
public:
    explicit xer_field(std::wstring field_name) : name(std::move(field_name)) {}
    virtual ~xer_field() = default;
    [[nodiscard]] static std::unique_ptr<xer_field> create(std::wstring name);

    std::wstring name;
    int id = 0;  // 1..N of the table; 0 for a name the table does not know, or an unknown table
};

// A row of a table the reader does not know. Its values are dropped, so `values` stays
// empty; rows of the 31 known tables become records of the Document instead.
class xer_row {
public:
    virtual ~xer_row() = default;
    std::vector<std::unique_ptr<s_val>> values;
};

// One "%T" line and what followed it.
class xer_table {
public:
    virtual ~xer_table() = default;
    xer_field& add_field(std::wstring name);
    xer_row& add_row();

    std::wstring name;
    int table_id = 0;  // the id of a known table name (varnholt::xer_table), else 0
    std::vector<std::unique_ptr<xer_field>> fields;  // in the order of the field line(s)
    std::vector<std::unique_ptr<xer_row>> rows;      // unknown tables only
};

class xer_doc {
public:
    // A document with the table-name map and the 31 field-name maps built.
    [[nodiscard]] static std::unique_ptr<xer_doc> create();
    xer_doc(const xer_doc&) = delete;
    xer_doc& operator=(const xer_doc&) = delete;
    virtual ~xer_doc() = default;

    xer_table& add_table();
    [[nodiscard]] const std::vector<std::unique_ptr<xer_table>>& tables() const { return m_tables; }

    // Names compare exactly, letter case included; 0 for a name that is not known.
    [[nodiscard]] int table_id(std::wstring_view table_name) const;
    [[nodiscard]] int field_id(int table_id, std::wstring_view field_name) const;

private:
    xer_doc();
    void build_table_ids();
    // Fills one table's map with its field names; the id of a name is its place + 1.
    void build_field_ids(varnholt::xer_table table);

    using name_map = std::map<std::wstring, int, std::less<>>;
    name_map m_table_ids;
    std::array<name_map, kXerTableCount> m_field_ids;  // by table id - 1
    std::vector<std::unique_ptr<xer_table>> m_tables;
};

}  // namespace varnholt::document
