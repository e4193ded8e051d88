// OffscreenPaint.cpp - a view painted into a wxMemoryDC bitmap.

#include "app/draw/OffscreenPaint.h"

#include "app/draw/TextLayoutCache.h"
#include "app/draw/WxDrawBackend.h"
#include "app/draw/WxDrawCache.h"
#include "views/core/View.h"

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>
#include <wx/log.h>

#include <chrono>

namespace varnholt {

struct OffscreenPainter::State {
    std::unique_ptr<WxDrawCache> caches[2] = {std::make_unique<WxDrawCache>(), std::make_unique<WxDrawCache>()};
    WxDrawCache& Cache(int pane) { return *caches[pane == 1 ? 1 : 0]; }
};

void OffscreenPainter::DropCaches() {
    if (m_state) m_state = std::make_unique<State>();
}

std::size_t OffscreenPainter::CachedTexts(int pane) const {
    return m_state ? m_state->Cache(pane).Layouts().Size() : 0;
}

std::size_t OffscreenPainter::CachedTextBytes(int pane) const {
    return m_state ? m_state->Cache(pane).Layouts().TextBytes() : 0;
}

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

double OffscreenPainter::Paint(view::View& view, int width, int height, int origin_x, int origin_y, int pane) {
    if (!m_ready) return 0.0;
    wxBitmap bitmap(width, height, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    WxDrawBackend backend(dc, m_state->Cache(pane), false, m_toolkit_only ? Rendering::toolkit : Rendering::direct);
    view::DrawContext& context = view.GetDrawContext();
    context.SetDevice(&backend);
    context.SetOrigin(origin_x, origin_y);
    const auto start = std::chrono::steady_clock::now();
    view.Draw({0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height)});
    const auto end = std::chrono::steady_clock::now();
    context.SetDevice(nullptr);
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace varnholt
