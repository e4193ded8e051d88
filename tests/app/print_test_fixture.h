// print_test_fixture.h - what the printing tests share: the real program over a generated
// schedule of some hundred activities, the File page's preview and its printout, the pure page
// count to hold them against, and the pages of a PostScript file.
#pragma once

#include "app/backstage/FilePage.h"
#include "app/print/FramePrintMeasure.h"
#include "app/print/PrintPreviewPanel.h"
#include "app/print/SchedulePrintout.h"
#include "app_gui_support.h"
#include "shell/print/page_setup.h"
#include "shell/print/pagination.h"

#include <wx/print.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace varnholt {

class PrintTest : public testing_app::AppGuiTest {
protected:
    // A generated schedule of some hundred activities: several pages across and down.
    static wxString GeneratedSchedule() {
        const std::string path = (testing_app::run_folder() / "generated.xer").string();
        static const bool made =
            std::system((std::string(VARNHOLT_XER_GENERATOR) + " 400 " + path).c_str()) == 0;
        EXPECT_TRUE(made);
        return wxString::FromUTF8(path);
    }

    static PrintPreviewPanel* PreviewPanel(CMainFrame& frame) {
        for (wxWindow* child : frame.GetFilePage()->GetPrintPageArea()->GetChildren()) {
            if (auto* panel = dynamic_cast<PrintPreviewPanel*>(child)) return panel;
        }
        return nullptr;
    }

    static SchedulePrintout& PrintoutOf(wxPrintPreviewBase& preview) {
        return dynamic_cast<SchedulePrintout&>(*preview.GetPrintout());
    }

    // Shows the Print page of the File page and waits for its preview to count its pages.
    static wxPrintPreviewBase* ShowPrintPage(CMainFrame& frame) {
        frame.ShowFilePage();
        frame.GetFilePage()->ShowItem(FilePage::print_item);
        PrintPreviewPanel* panel = PreviewPanel(frame);
        if (panel == nullptr || panel->GetPreview() == nullptr) return nullptr;
        wxPrintPreviewBase* preview = panel->GetPreview();
        // The preview prepares its job at its first paint.
        if (!testing_app::WaitUntil([preview] { return PrintoutOf(*preview).PagesDrawn() > 0; })) return nullptr;
        return preview;
    }

    // The pure count at the printout's scale and printable area.
    static std::int32_t PureCount(CMainFrame& frame, const SchedulePrintout& printout) {
        print::ViewPrintMeasure measure = MeasureFrame(frame);
        const float kept = measure.CurrentScale();
        measure.ApplyScale(printout.Plan().scale);
        print::Pagination pagination;
        pagination.pages_across = pagination.pages_down = 0;
        const bool counted = print::CountPrintPages(frame.GetPrintSettings(), measure, printout.Page().width,
                                                    printout.Page().height, pagination);
        measure.ApplyScale(kept);
        return counted ? pagination.PageCount() : 1;
    }

    static void ClickAt(wxUIActionSimulator& input, const wxPoint& where) {
        input.MouseMove(where);
        ASSERT_TRUE(testing_app::WaitUntil([&] { return wxGetMousePosition() == where; }));
        input.MouseClick();
    }

    static int PagesInFile(const std::string& path) {
        std::ifstream file(path);
        std::string line;
        int pages = 0;
        while (std::getline(file, line)) {
            if (line.rfind("%%Page:", 0) == 0) ++pages;
        }
        return pages;
    }
};

}  // namespace varnholt
