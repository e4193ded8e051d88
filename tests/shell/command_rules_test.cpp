// command_rules_test.cpp - when each ribbon command is enabled and shown pressed, from a
// description of the main window, for every id of the command table.

#include "../model/caption_language.h"
#include "shell/command_ids.h"
#include "shell/command_rules.h"

#include <vector>

namespace varnholt {
namespace {

class CommandRulesTest : public CaptionLanguageTest {
protected:
    // An XER schedule open in Activities with every current layout found, panes all shown.
    static CommandContext Loaded() {
        CommandContext context;
        context.document_loaded = true;
        context.read_from_xer = true;
        context.active_category = Category::activities;
        context.details_height = 200;
        context.gantt_width = 400;
        context.has_current_layout = {true, true, true, true};
        context.details_shows_activity_view = true;
        context.gantt_has_content = true;
        return context;
    }
};

// Every id the frame answers for: the ribbon's block and the options command.
std::vector<int> EveryCommand() {
    return {IDC_COMBO_ACTIVITY_LAYOUT, IDC_COMBO_WBS_LAYOUT, IDC_COMBO_PROJ_LAYOUT, IDC_COMBO_RES_LAYOUT,
            IDC_BUTTON_ACT_DETAILS, IDC_BUTTON_WBS_DETAILS, IDC_BUTTON_PROJ_DETAILS, IDC_BUTTON_RES_DETAILS,
            IDC_BUTTON_OBS_DETAILS, IDC_BUTTON_ROL_DETAILS, IDC_BUTTON_ACT_GANTT, IDC_BUTTON_WBS_GANTT,
            IDC_BUTTON_PROJ_GANTT, IDC_BUTTON_ACT_TABLE, IDC_BUTTON_WBS_TABLE, IDC_BUTTON_PROJ_TABLE,
            IDC_BUTTON_RES_TABLE, IDC_BUTTON_ACT_PRED_TABLE, IDC_BUTTON_ACT_SUCC_TABLE, 1157, 1158, 1159, 1160,
            IDC_BUTTON_ACT_EXP_ALL, IDC_BUTTON_ACT_COLL_ALL, IDC_BUTTON_WBS_EXP_ALL, IDC_BUTTON_WBS_COLL_ALL,
            IDC_BUTTON_PROJ_EXP_ALL, IDC_BUTTON_PROJ_COLL_ALL, IDC_BUTTON_RES_EXP_ALL, IDC_BUTTON_RES_COLL_ALL,
            IDC_BUTTON_OBS_EXP_ALL, IDC_BUTTON_OBS_COLL_ALL, IDC_BUTTON_ROL_EXP_ALL, IDC_BUTTON_ROL_COLL_ALL,
            IDC_BUTTON_ACT_GOTO_ACT, IDC_BUTTON_WBS_GOTO_ACT, IDC_BUTTON_PROJ_GOTO_ACT, IDC_BUTTON_ACT_REL,
            IDC_BUTTON_ACT_CALENDAR, IDC_BUTTON_WBS_CALENDAR, IDC_BUTTON_PROJ_CALENDAR, IDC_BUTTON_RES_CALENDAR,
            IDC_BUTTON_OBS_CALENDAR, IDC_BUTTON_ROL_CALENDAR, IDC_COMBO_ACT_TIMESCALE, IDC_COMBO_WBS_TIMESCALE,
            IDC_COMBO_PROJ_TIMESCALE, IDC_SLIDER_ACT_TIMESCALE, IDC_SLIDER_WBS_TIMESCALE,
            IDC_SLIDER_PROJ_TIMESCALE, IDC_BUTTON_ACT_FILTER, IDC_BUTTON_RES_RES_SHIFTS, IDC_BUTTON_FIND};
}

TEST_F(CommandRulesTest, WithAScheduleOpenEveryCommandIsEnabled) {
    CommandContext context = Loaded();
    context.details_tab = RelationshipTab::predecessors;
    for (const int id : EveryCommand()) {
        if (id == IDC_BUTTON_ACT_SUCC_TABLE) continue;  // the other tab's button
        EXPECT_TRUE(StateOf(id, context).enabled) << id;
    }
    EXPECT_TRUE(StateOf(ID_TOOLS_OPTIONS, context).enabled);
}

TEST_F(CommandRulesTest, WithoutAScheduleOnlyOptionsIsEnabled) {
    CommandContext context = Loaded();
    context.document_loaded = false;
    context.details_tab = RelationshipTab::predecessors;
    for (const int id : EveryCommand()) EXPECT_FALSE(StateOf(id, context).enabled) << id;
    EXPECT_TRUE(StateOf(ID_TOOLS_OPTIONS, context).enabled) << "the options need no schedule";
    EXPECT_FALSE(StateOf(ID_FILE_OPEN, context).enabled) << "not a command of the table";
    EXPECT_FALSE(StateOf(1117, Loaded()).enabled) << "an unused id inside the ribbon's block";
}

TEST_F(CommandRulesTest, EnableRulesBeyondAnOpenSchedule) {
    struct Case {
        const char* why;
        int id;
        void (*change)(CommandContext&);
        bool enabled;
    };
    const Case cases[] = {
        {"no current activity layout: no column chooser", IDC_BUTTON_ACT_TABLE,
         [](CommandContext& c) { c.has_current_layout[0] = false; }, false},
        {"no current WBS layout", IDC_BUTTON_WBS_TABLE, [](CommandContext& c) { c.has_current_layout[1] = false; }, false},
        {"no current project layout", IDC_BUTTON_PROJ_TABLE,
         [](CommandContext& c) { c.has_current_layout[2] = false; }, false},
        {"no current resource layout", IDC_BUTTON_RES_TABLE,
         [](CommandContext& c) { c.has_current_layout[3] = false; }, false},
        {"another kind's layout missing does not matter", IDC_BUTTON_WBS_TABLE,
         [](CommandContext& c) { c.has_current_layout[0] = false; }, true},
        {"Predecessors tab shown", IDC_BUTTON_ACT_PRED_TABLE,
         [](CommandContext& c) { c.details_tab = RelationshipTab::predecessors; }, true},
        {"Predecessors tab current but the details pane hidden", IDC_BUTTON_ACT_PRED_TABLE,
         [](CommandContext& c) { c.details_tab = RelationshipTab::predecessors; c.details_height = 0; }, false},
        {"Successors tab current", IDC_BUTTON_ACT_PRED_TABLE,
         [](CommandContext& c) { c.details_tab = RelationshipTab::successors; }, false},
        {"General tab current", IDC_BUTTON_ACT_PRED_TABLE, [](CommandContext&) {}, false},
        {"Predecessors tab of another category's details", IDC_BUTTON_ACT_PRED_TABLE,
         [](CommandContext& c) { c.details_tab = RelationshipTab::predecessors; c.details_shows_activity_view = false; },
         false},
        {"Predecessors tab without a current activity layout", IDC_BUTTON_ACT_PRED_TABLE,
         [](CommandContext& c) { c.details_tab = RelationshipTab::predecessors; c.has_current_layout[0] = false; },
         false},
        {"Successors tab shown", IDC_BUTTON_ACT_SUCC_TABLE,
         [](CommandContext& c) { c.details_tab = RelationshipTab::successors; }, true},
        {"Successors tab current but the details pane hidden", IDC_BUTTON_ACT_SUCC_TABLE,
         [](CommandContext& c) { c.details_tab = RelationshipTab::successors; c.details_height = 0; }, false},
        {"a workbook has no calendars", IDC_BUTTON_ACT_CALENDAR, [](CommandContext& c) { c.read_from_xer = false; }, false},
        {"nor in the Roles category", IDC_BUTTON_ROL_CALENDAR, [](CommandContext& c) { c.read_from_xer = false; }, false},
        {"filters in Activities", IDC_BUTTON_ACT_FILTER, [](CommandContext&) {}, true},
        {"no filters in WBS", IDC_BUTTON_ACT_FILTER, [](CommandContext& c) { c.active_category = Category::wbs; }, false},
        {"nor in Projects", IDC_BUTTON_ACT_FILTER, [](CommandContext& c) { c.active_category = Category::projects; }, false},
        {"nor in Resources", IDC_BUTTON_ACT_FILTER, [](CommandContext& c) { c.active_category = Category::resources; }, false},
        {"nor in OBS", IDC_BUTTON_ACT_FILTER, [](CommandContext& c) { c.active_category = Category::obs; }, false},
        {"nor in Roles", IDC_BUTTON_ACT_FILTER, [](CommandContext& c) { c.active_category = Category::roles; }, false},
        {"relationship lines need a chart in the pane", IDC_BUTTON_ACT_REL,
         [](CommandContext& c) { c.gantt_has_content = false; }, false},
        {"the details toggle works with the pane hidden", IDC_BUTTON_ACT_DETAILS,
         [](CommandContext& c) { c.details_height = 0; }, true},
        {"the Gantt toggle works with the chart hidden", IDC_BUTTON_ACT_GANTT,
         [](CommandContext& c) { c.gantt_width = 0; }, true},
        {"a second Find is refused by its handler, not by the button", IDC_BUTTON_FIND,
         [](CommandContext& c) { c.find_dialog_open = true; }, true},
    };
    for (const Case& c : cases) {
        CommandContext context = Loaded();
        c.change(context);
        EXPECT_EQ(StateOf(c.id, context).enabled, c.enabled) << c.why;
    }
}

TEST_F(CommandRulesTest, PressedStatesFollowThePanesTheChartAndTheDialogs) {
    struct Case {
        const char* why;
        int id;
        void (*change)(CommandContext&);
        bool checked;
    };
    const Case cases[] = {
        {"details pane shown", IDC_BUTTON_OBS_DETAILS, [](CommandContext&) {}, true},
        {"details pane at height 0", IDC_BUTTON_ROL_DETAILS, [](CommandContext& c) { c.details_height = 0; }, false},
        {"details shown even before a file", IDC_BUTTON_ACT_DETAILS,
         [](CommandContext& c) { c.document_loaded = false; }, true},
        {"chart shown", IDC_BUTTON_PROJ_GANTT, [](CommandContext&) {}, true},
        {"chart at width 0", IDC_BUTTON_WBS_GANTT, [](CommandContext& c) { c.gantt_width = 0; }, false},
        {"relationship lines drawn", IDC_BUTTON_ACT_REL, [](CommandContext& c) { c.relationship_lines = true; }, true},
        {"relationship lines off", IDC_BUTTON_ACT_REL, [](CommandContext&) {}, false},
        {"no filter chosen", IDC_BUTTON_ACT_FILTER, [](CommandContext&) {}, false},
        {"one filter chosen", IDC_BUTTON_ACT_FILTER, [](CommandContext& c) { c.filter_count = 1; }, true},
        {"find dialog open", IDC_BUTTON_FIND, [](CommandContext& c) { c.find_dialog_open = true; }, true},
        {"no find dialog", IDC_BUTTON_FIND, [](CommandContext&) {}, false},
        {"a plain button is never pressed", IDC_BUTTON_ACT_EXP_ALL, [](CommandContext& c) { c.filter_count = 3; }, false},
    };
    for (const Case& c : cases) {
        CommandContext context = Loaded();
        c.change(context);
        EXPECT_EQ(StateOf(c.id, context).checked, c.checked) << c.why;
    }
}

TEST_F(CommandRulesTest, OnlyTheToggleButtonsAreCheckable) {
    for (const int id : EveryCommand()) {
        const bool toggle = id == IDC_BUTTON_ACT_REL || id == IDC_BUTTON_ACT_FILTER || id == IDC_BUTTON_FIND ||
                            id == IDC_BUTTON_ACT_DETAILS || id == IDC_BUTTON_WBS_DETAILS ||
                            id == IDC_BUTTON_PROJ_DETAILS || id == IDC_BUTTON_RES_DETAILS ||
                            id == IDC_BUTTON_OBS_DETAILS || id == IDC_BUTTON_ROL_DETAILS ||
                            id == IDC_BUTTON_ACT_GANTT || id == IDC_BUTTON_WBS_GANTT || id == IDC_BUTTON_PROJ_GANTT;
        EXPECT_EQ(IsToggleCommand(id), toggle) << id;
    }
}

TEST_F(CommandRulesTest, TheRelationshipTabIsKnownByItsTitleInTheCurrentLanguage) {
    const CaptionCatalog& captions = CaptionCatalog::Instance();
    EXPECT_EQ(RelationshipTabOf(captions.Lookup(50749)), RelationshipTab::predecessors);
    EXPECT_EQ(RelationshipTabOf(captions.Lookup(50750)), RelationshipTab::successors);
    EXPECT_EQ(RelationshipTabOf(captions.Lookup(51634)), RelationshipTab::none) << "Codes";
    EXPECT_EQ(RelationshipTabOf(L""), RelationshipTab::none);
    const std::wstring english = captions.Lookup(50749);
    UseLanguage(L"FRA");
    EXPECT_EQ(RelationshipTabOf(captions.Lookup(50749)), RelationshipTab::predecessors);
    if (english != captions.Lookup(50749)) {
        EXPECT_EQ(RelationshipTabOf(english), RelationshipTab::none) << "another language's title";
    }
}

}  // namespace
}  // namespace varnholt
