// printing_acceptance.cpp - the File page's print preview in every category, and the activity
// table of the large schedule printed to a PostScript file with as many pages as its preview.

#include "acceptance_support.h"
#include "app/backstage/FilePage.h"
#include "app/print/PrintPreviewPanel.h"
#include "app/print/SchedulePrintout.h"

#include <wx/log.h>
#include <wx/print.h>

#include <fstream>

namespace varnholt::acceptance {
namespace {

using testing_app::WaitUntil;

using Printing = AcceptanceTest;

wxPrintPreviewBase* ShownPreview(CMainFrame& frame) {
    frame.ShowFilePage();
    frame.GetFilePage()->ShowItem(FilePage::print_item);
    for (wxWindow* child : frame.GetFilePage()->GetPrintPageArea()->GetChildren()) {
        auto* panel = dynamic_cast<PrintPreviewPanel*>(child);
        if (panel == nullptr || panel->GetPreview() == nullptr) continue;
        wxPrintPreviewBase* preview = panel->GetPreview();
        auto& printout = dynamic_cast<SchedulePrintout&>(*preview->GetPrintout());
        if (!WaitUntil([&printout] { return printout.PagesDrawn() > 0; })) return nullptr;
        return preview;
    }
    return nullptr;
}

int PagesInFile(const std::string& path) {
    std::ifstream file(path);
    int pages = 0;
    for (std::string line; std::getline(file, line);) pages += line.rfind("%%Page:", 0) == 0 ? 1 : 0;
    return pages;
}

TEST_F(Printing, EveryCategoryHasAPreview) {
    CMainFrame& frame = StartWith("acceptance.xer");
    for (int page = kActivitiesTabPage; page <= kRolesTabPage; ++page) {
        SCOPED_TRACE(page);
        frame.CloseFilePage();
        frame.SwitchToPage(page);
        Settle();
        wxPrintPreviewBase* preview = ShownPreview(frame);
        ASSERT_NE(preview, nullptr);
        EXPECT_GE(preview->GetMaxPage(), 1);
        EXPECT_EQ(frame.GetActiveCategory(), static_cast<Category>(page)) << "the File page keeps the category";
    }
    frame.CloseFilePage();
    EXPECT_FALSE(frame.IsFilePageShown());
    EXPECT_TRUE(m_hook.messages.empty());
}

TEST_F(Printing, TheActivityTablePrintsAsManyPagesAsItsPreviewShows) {
    CMainFrame& frame = StartWith("large.xer");
    frame.SwitchToPage(kActivitiesTabPage);
    Settle();
    wxPrintPreviewBase* preview = ShownPreview(frame);
    ASSERT_NE(preview, nullptr);
    const int previewed = preview->GetMaxPage();
    EXPECT_GT(previewed, 1) << "2,000 activities need several pages";

    const std::string path = (testing_app::run_folder() / "activities.ps").string();
    wxPrintData data = frame.GetPrintData();
    data.SetPrintMode(wxPRINT_MODE_FILE);
    data.SetFilename(wxString::FromUTF8(path));
    wxPrintDialogData dialog_data(data);
    dialog_data.SetMinPage(1);
    dialog_data.SetFromPage(1);
    dialog_data.SetToPage(10000);
    dialog_data.SetAllPages(true);
    SchedulePrintout printout(frame);
    wxPostScriptPrinter printer(&dialog_data);
    const wxLogLevel kept = wxLog::GetLogLevel();
    wxLog::SetLogLevel(wxLOG_Warning);  // the PostScript device reports each missing font metric
    const bool printed = printer.Print(&frame, &printout, false);
    wxLog::SetLogLevel(kept);
    ASSERT_TRUE(printed);
    EXPECT_EQ(PagesInFile(path), previewed);
    frame.CloseFilePage();
}

}  // namespace
}  // namespace varnholt::acceptance

int main(int argc, char** argv) { return varnholt::acceptance::RunAcceptanceTests(argc, argv); }
