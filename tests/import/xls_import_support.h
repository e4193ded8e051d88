// xls_import_support.h - small workbooks for the workbook import tests, built in memory as
// BIFF8 streams from tables of cell texts, and a fixture base with English captions and the
// built-in columns.
#pragma once

#include "import/Document_xls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnholt::testing_support {

// A sheet as rows of UTF-8 cell texts; an empty text is an absent cell. The sheet reaches as
// far as its longest row, so empty trailing rows and cells still count.
struct SheetCells { std::string name; std::vector<std::vector<std::string>> rows; };

// A workbook stream of the sheets, in order.
[[nodiscard]] std::vector<std::uint8_t> WorkbookStream(const std::vector<SheetCells>& sheets);

// The USERDATA sheet of an export: one column, three rows, the setting lines in A3.
[[nodiscard]] SheetCells UserDataSheet(const std::string& lines = "DurationQtyType=QT_Hour");

// A schedule sheet: field names, captions (the field names again unless given), data rows.
[[nodiscard]] SheetCells ScheduleSheet(std::string name, std::vector<std::string> fields,
                                       std::vector<std::vector<std::string>> data,
                                       std::vector<std::string> captions = {});

// Loads the sheets into a new document; the test fails when the load does.
[[nodiscard]] std::unique_ptr<document::Document_xls> LoadSheets(const std::vector<SheetCells>& sheets);

class XlsImportTest : public testing::Test {
protected:
    void SetUp() override;
};

}  // namespace varnholt::testing_support
