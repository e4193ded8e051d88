// xls_import_support.cpp - in-memory workbooks for the workbook import tests.

#include "xls_import_support.h"

#include "../xls/biff_test_streams.h"
#include "columns/ColumnCatalog.h"
#include "model/CaptionCatalog.h"
#include "model/text_utils.h"

#include <algorithm>

namespace varnholt::testing_support {

namespace {

std::u16string Utf16(const std::string& utf8) {
    std::u16string out;
    for (const wchar_t c : widen_string(utf8)) {
        auto code = static_cast<char32_t>(c);
        if (code < 0x10000) {
            out += static_cast<char16_t>(code);
        } else {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        }
    }
    return out;
}

test::bytes SheetRecords(const SheetCells& sheet) {
    std::size_t columns = 0;
    for (const auto& row : sheet.rows) columns = std::max(columns, row.size());
    test::bytes records = test::dimensions(static_cast<std::uint32_t>(sheet.rows.size()),
                                           static_cast<std::uint16_t>(columns));
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        for (std::size_t c = 0; c < sheet.rows[r].size(); ++c) {
            const std::string& text = sheet.rows[r][c];
            if (text.empty()) continue;
            const std::u16string units = Utf16(text);
            const bool wide = std::any_of(units.begin(), units.end(), [](char16_t u) { return u >= 0x100; });
            test::append(records, test::label(static_cast<std::uint16_t>(r), static_cast<std::uint16_t>(c),
                                              test::xl_string(units, wide)));
        }
    }
    return records;
}

}  // namespace

std::vector<std::uint8_t> WorkbookStream(const std::vector<SheetCells>& sheets) {
    std::vector<test::test_sheet> streams;
    for (const SheetCells& sheet : sheets) streams.push_back({sheet.name, SheetRecords(sheet)});
    return test::workbook_stream(streams);
}

SheetCells UserDataSheet(const std::string& lines) {
    return {"USERDATA", {{"user_data"}, {"Settings"}, {lines}}};
}

SheetCells ScheduleSheet(std::string name, std::vector<std::string> fields, std::vector<std::vector<std::string>> data,
                         std::vector<std::string> captions) {
    if (captions.empty()) captions = fields;
    SheetCells sheet{std::move(name), {std::move(fields), std::move(captions)}};
    for (auto& row : data) sheet.rows.push_back(std::move(row));
    return sheet;
}

std::unique_ptr<document::Document_xls> LoadSheets(const std::vector<SheetCells>& sheets) {
    auto doc = std::make_unique<document::Document_xls>();
    const std::vector<std::uint8_t> stream = WorkbookStream(sheets);
    EXPECT_TRUE(doc->LoadStream(stream));
    return doc;
}

void XlsImportTest::SetUp() {
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    ColumnCatalog::Instance().BuildAllColumns();
}

}  // namespace varnholt::testing_support
