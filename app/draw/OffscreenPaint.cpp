// OffscreenPaint.cpp - a view painted into a wxMemoryDC bitmap.

#include "app/draw/OffscreenPaint.h"

#include "app/draw/WxDrawBackend.h"
#include "app/draw/WxDrawCache.h"
#include "views/core/View.h"

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>
#include <wx/log.h>

#include <chrono>

namespace varnholt::app {

struct OffscreenPainter::State {
    WxDrawCache cache;
};

OffscreenPainter::OffscreenPainter() {
    wxApp::SetInstance(new wxApp);  // wxEntryCleanup deletes it
    int argc = 0;
    char* argv[] = {nullptr};
    m_ready = wxEntryStart(argc, argv);
    if (!m_ready) return;
    delete wxLog::SetActiveTarget(new wxLogStderr);  // no modal log boxes in a batch program
    m_state = std::make_unique<State>();
}

OffscreenPainter::~OffscreenPainter() {
    m_state.reset();  // the cached fonts and pens go before the toolkit
    if (m_ready) wxEntryCleanup();
}

double OffscreenPainter::Paint(view::View& view, int width, int height) {
    if (!m_ready) return 0.0;
    wxBitmap bitmap(width, height, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    WxDrawBackend backend(dc, m_state->cache);
    view::DrawContext& context = view.GetDrawContext();
    context.SetDevice(&backend);
    context.SetOrigin(0, 0);
    const auto start = std::chrono::steady_clock::now();
    view.Draw({0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height)});
    const auto end = std::chrono::steady_clock::now();
    context.SetDevice(nullptr);
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace varnholt::app
