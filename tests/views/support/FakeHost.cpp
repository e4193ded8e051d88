// FakeHost.cpp - the panes of the view tests.

#include "tests/views/support/FakeHost.h"

#include <algorithm>
#include <cassert>

namespace varnholt::view::test_support {

void FakeHost::Attach(View& view, std::int32_t client_width, std::int32_t client_height) {
    m_panes.push_back(std::make_unique<RecordingPane>(view, client_width, client_height));
}

void FakeHost::SetPartners(View& view, const std::vector<View*>& partners) {
    std::vector<PaneHost*> hosts;
    for (View* partner : partners) hosts.push_back(&Host(*partner));
    Host(view).SetPartners(std::move(hosts));
}

void FakeHost::ChangeDisplayScale(float scale) {
    std::vector<View*> views;
    for (const auto& pane : m_panes) views.push_back(pane->Host().GetView());
    view::ChangeDisplayScale(scale, views);
}

RecordingPane& FakeHost::Find(const View& view) {
    const auto found =
        std::find_if(m_panes.begin(), m_panes.end(), [&view](const auto& pane) { return pane->Host().GetView() == &view; });
    assert(found != m_panes.end() && "attach a view before driving it");
    return **found;
}

}  // namespace varnholt::view::test_support
