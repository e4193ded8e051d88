// tree_fixture.h - a small schedule of resources, OBS nodes and roles read through the real
// XER reader, the three tree views over it, and a printer of a view's visible rows as an
// outline indented two blanks per level.
//
// Resources (file order): CREW seq 2; WELDER and FITTER seq 1 under CREW; SURVEYOR seq 1 at the
// top; ORPHAN seq 3, whose parent is not in the file; LOOPA and LOOPB seq 4, each naming the
// other as parent (the core keeps one of the two links). User field 1 "Status" holds indicator
// words. OBS: ROOT with OPS (seq 2) and ENG (seq 1). Roles: LEAD with DEV (seq 1).
#pragma once

#include "columns/field_ids.h"
#include "import/Document_xer.h"
#include "layouts/TableLayouts.h"
#include "model/records/ObsRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRecord.h"
#include "rows/Row.h"
#include "tests/views/support/FakeHost.h"
#include "tests/views/support/schedule_text.h"
#include "views/core/RowList.h"
#include "views/trees/OBSTableView.h"
#include "views/trees/ResourceTableView.h"
#include "views/trees/RoleTableView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt::testing_trees {

inline constexpr std::int32_t kShortName = 534;
inline constexpr std::int32_t kName = 535;
inline constexpr std::int32_t kNotes = kResourceNotesField;
inline constexpr std::int32_t kStatusField = 100001;

inline std::string TreeSchedule(std::string_view extra_resources = {}) {
    std::string text = view::test_support::ScheduleText({});
    text += "%T\tRSRC\n%F\trsrc_id\trsrc_seq_num\trsrc_short_name\trsrc_name\tparent_rsrc_id\trsrc_notes\n"
            "%R\t1\t2\tCREW\tCrew\t\tplain note\n%R\t2\t1\tWELDER\tWelder\t1\t\n%R\t3\t1\tFITTER\tFitter\t1\t\n"
            "%R\t4\t1\tSURVEYOR\tSurveyor\t\t<HTML><p>First</p><p>Second</p></HTML>\n"
            "%R\t5\t3\tORPHAN\tOrphan\t99\t\n%R\t6\t4\tLOOPA\tLoop A\t7\t\n%R\t7\t4\tLOOPB\tLoop B\t6\t\n";
    text += extra_resources;
    text += "%T\tUDFTYPE\n%F\tudf_type_id\ttable_name\tudf_type_name\tudf_type_label\tlogical_data_type\n"
            "%R\t1\tRSRC\tuser_field_1\tStatus\tFT_TEXT\n"
            "%T\tUDFVALUE\n%F\tudf_type_id\tfk_id\tproj_id\tudf_date\tudf_text\tudf_number\n"
            "%R\t1\t1\t\t\tGreen\t\n%R\t1\t4\t\t\tgreen\t\n"
            "%T\tOBS\n%F\tobs_id\tparent_obs_id\tseq_num\tobs_name\tobs_descr\n"
            "%R\t1\t\t1\tROOT\t<HTML><p>Top</p><p>Level</p></HTML>\n%R\t2\t1\t2\tOPS\tplain\n"
            "%R\t3\t1\t1\tENG\t<html><p>x</p></html>\n"
            "%T\tROLES\n%F\trole_id\tparent_role_id\tseq_num\trole_short_name\trole_name\n"
            "%R\t1\t\t1\tLEAD\tLead\n%R\t2\t1\t1\tDEV\tDeveloper\n"
            "%E\n";
    return text;
}

// The listed rows as an outline: one line per row, two blanks per level below the top.
inline std::string Outline(const view::View& view) {
    std::string out;
    for (const view::Row* row : view.GetRowList().Rows()) {
        out.append(static_cast<std::size_t>(std::max(0, row->level - 1)) * 2, ' ');
        std::wstring name;
        if (row->GetResource() != nullptr) name = row->GetResource()->rsrc_short_name.to_string();
        if (row->GetOBS() != nullptr) name = row->GetOBS()->obs_name.to_string();
        if (row->GetRole() != nullptr) name = row->GetRole()->role_short_name.to_string();
        out += std::string(name.begin(), name.end()) + (row->selected ? "*" : "") + "\n";
    }
    return out;
}

using view::test_support::CountPart;
using view::test_support::HasPart;

// English captions, the built-in columns and scale 1; the three views attached to the document
// and hosted in panes of 600 x 400; the resource layout shows short name (100) and name (150).
class TreeTest : public testing::Test {
protected:
    void SetUp() override {
        view::test_support::EnterViewTest();
        ASSERT_TRUE(m_document.LoadBytes(Schedule()));
        SetColumns({{kShortName, 100.0f}, {kName, 150.0f}});
        m_resources.SetDocument(&m_document);
        m_resources.SetLayout(&m_layout);
        m_obs.SetDocument(&m_document);
        m_roles.SetDocument(&m_document);
        for (view::View* v : std::initializer_list<view::View*>{&m_resources, &m_obs, &m_roles}) {
            v->Update();
            m_host.Attach(*v, 600, 400);
        }
    }
    void TearDown() override { view::test_support::LeaveViewTest(); }
    [[nodiscard]] virtual std::string Schedule() const { return TreeSchedule(); }

    void SetColumns(std::initializer_list<std::pair<std::int32_t, float>> columns) {
        m_layout.GetColumns()->clear();
        for (const auto& [id, width] : columns) m_layout.AddColumn(id, width);
    }
    [[nodiscard]] std::vector<std::int32_t> ColumnOrder() const {
        std::vector<std::int32_t> ids;
        for (std::size_t c = 0; c < m_layout.GetColumnCount(); ++c) ids.push_back(m_layout.GetColumn(c)->field);
        return ids;
    }
    const std::vector<std::string>& Paint(view::View& v) {
        m_host.Paint(v);
        return m_host.Backend(v).Lines();
    }

    document::Document_xer m_document;
    ResourceLayout m_layout;
    view::ResourceTableView m_resources;
    view::OBSTableView m_obs;
    view::RoleTableView m_roles;
    view::test_support::FakeHost m_host;
};

}  // namespace varnholt::testing_trees
