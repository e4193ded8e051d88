// said_messages.cpp - the page set-up's messages said once per schedule, settings and paper.

#include "shell/print/said_messages.h"

#include <algorithm>
#include <tuple>

namespace varnholt::print {
namespace {

// What the user chose; the dates by their seconds. What the set-up writes back follows from
// these and the paper.
auto Choices(const PrintSettings& s) {
    return std::tuple(s.startDate.seconds, s.endDate.seconds, s.printTable, s.printAllColumns, s.printGantt,
                      s.printHeader, s.printFooter, s.useScale, s.fitToPages, s.scale, s.pagesWide, s.pagesTall,
                      s.headerHeight, s.footerHeight, s.marginLeft, s.marginRight, s.marginTop, s.marginBottom);
}

// The paper by its size, which the set-up writes into the settings from whole millimetres. Its
// screen pixels are rounded from each device's own resolution and differ by one between the
// File page's preview and the print dialog's for the same sheet.
auto Paper(const PrintSettings& s) { return std::tuple(s.pageWidth, s.pageHeight); }

}  // namespace

std::vector<PrintMessage> SaidMessages::TakeUnsaid(const PrintSettings& settings,
                                                   const std::vector<PrintMessage>& messages) {
    if (Choices(settings) != Choices(m_settings) || Paper(settings) != Paper(m_settings)) {
        m_said.clear();
        m_settings = settings;
    }
    std::vector<PrintMessage> unsaid;
    for (const PrintMessage& message : messages) {
        if (std::ranges::find(m_said, message) != m_said.end()) continue;
        m_said.push_back(message);
        unsaid.push_back(message);
    }
    return unsaid;
}

}  // namespace varnholt::print
