// FakeHost.cpp - the pane host of the view tests.

#include "tests/views/support/FakeHost.h"

#include "views/draw/display_scale.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

namespace varnholt::view::test_support {
namespace {

std::int32_t ScrollRange(float content, std::int32_t client) {
    const double whole = std::isfinite(content) ? std::trunc(static_cast<double>(content)) : 0.0;
    return static_cast<std::int32_t>(std::clamp(whole - client + 10.0, 0.0, 1e9));
}

}  // namespace

void FakeHost::Attach(View& view, std::string name, std::int32_t client_width, std::int32_t client_height,
                      bool flat_sub_table) {
    auto pane = std::make_unique<Pane>();
    pane->view = &view;
    pane->name = std::move(name);
    pane->client_width = client_width;
    pane->client_height = client_height;
    pane->flat_sub_table = flat_sub_table;
    view.GetDrawContext().SetCursorHandler([cursor = pane->cursor](CursorKind kind) { *cursor = kind; });
    m_panes.push_back(std::move(pane));
}

void FakeHost::SetPartners(View& view, std::vector<View*> partners) { Find(view).partners = std::move(partners); }

void FakeHost::Paint(View& view) {
    Pane& pane = Find(view);
    pane.range_x = ScrollRange(view.GetWidth(), pane.client_width);
    pane.range_y = ScrollRange(view.GetHeight(), pane.client_height);
    pane.scroll_x = std::clamp(pane.scroll_x, 0, pane.range_x);
    pane.scroll_y = std::clamp(pane.scroll_y, 0, pane.range_y);
    pane.backend.Clear();
    DrawContext& context = view.GetDrawContext();
    context.SetDevice(&pane.backend);
    context.SetOrigin(pane.scroll_x, pane.scroll_y);
    view.Draw(RectF{0.0f, 0.0f, static_cast<float>(pane.client_width), static_cast<float>(pane.client_height)});
    context.SetDevice(nullptr);  // the device lives for one paint
    ++pane.paints;
    m_log.push_back("paint " + pane.name);
}

bool FakeHost::MouseMove(View& view, float x, float y, std::uint32_t flags) {
    const bool repaint = view.OnMouseMove(flags, x, y);
    if (repaint) Paint(view);
    return repaint;
}

bool FakeHost::LButtonDown(View& view, float x, float y) {
    const bool answer = view.OnLButtonDown(kLeftButtonDown, x, y);
    AfterClick(Find(view));
    return answer;
}

bool FakeHost::LButtonUp(View& view, float x, float y) {
    const bool answer = view.OnLButtonUp(0, x, y);
    AfterClick(Find(view));
    return answer;
}

void FakeHost::AfterClick(Pane& pane) {
    if (!pane.flat_sub_table) {
        m_log.push_back("update " + pane.name);
        pane.view->Update();
    }
    Paint(*pane.view);
    for (View* partner : pane.partners) Paint(*partner);
}

void FakeHost::ScrollTo(View& view, std::int32_t x, std::int32_t y) {
    Pane& pane = Find(view);
    pane.scroll_x = x;
    pane.scroll_y = y;
}

void FakeHost::SetClientSize(View& view, std::int32_t width, std::int32_t height) {
    Pane& pane = Find(view);
    pane.client_width = width;
    pane.client_height = height;
}

void FakeHost::ChangeDisplayScale(float scale) {
    DisplayScale() = scale;
    for (const auto& pane : m_panes) pane->view->SetScale();
}

FakeHost::Pane& FakeHost::Find(const View& view) {
    return const_cast<Pane&>(std::as_const(*this).Find(view));
}

const FakeHost::Pane& FakeHost::Find(const View& view) const {
    const auto found = std::find_if(m_panes.begin(), m_panes.end(), [&view](const auto& pane) { return pane->view == &view; });
    assert(found != m_panes.end() && "attach a view before driving it");
    return **found;
}

}  // namespace varnholt::view::test_support
