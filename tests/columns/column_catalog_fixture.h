// column_catalog_fixture.h - fixture for tests of the column catalogue: English captions, the
// six tables freshly built, and both catalogues back to their first-use state afterwards.
#pragma once

#include "columns/ColumnCatalog.h"
#include "columns/load_time_columns.h"
#include "model/CaptionCatalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace varnholt {

class ColumnCatalogTest : public testing::Test {
protected:
    void SetUp() override { OpenDocumentUnder(L"ENU"); }

    // What opening a file does to the catalogue: captions in the chosen language, tables rebuilt.
    static void OpenDocumentUnder(const wchar_t* language) {
        CaptionCatalog::Instance().Reset();
        CaptionCatalog::Instance().ChooseLanguage(language);
        ColumnCatalog::Instance().BuildAllColumns();
    }

    static ColumnCatalog& catalog() { return ColumnCatalog::Instance(); }

    // A text UDF column as the XER build step registers it; null when refused.
    static const ColumnDef* AddUdf(const wchar_t* table_name, std::uint64_t type_id, const wchar_t* label,
                                   const wchar_t* name) {
        return RegisterUdfColumn(catalog(), {.table_name = table_name, .udf_type_id = type_id, .label = label,
                                             .name = name});
    }

    static bool Holds(ColumnCatalog::Run run, const ColumnDef* def) {
        return def != nullptr && std::any_of(run.begin(), run.end(), [def](const ColumnDef& d) { return &d == def; });
    }
};

}  // namespace varnholt
