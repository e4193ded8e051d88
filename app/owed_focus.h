// owed_focus.h - the keys a window owes its table while another program is in front. A schedule
// opened or a category shown then cannot give the table the keys: the window takes them only at
// its next activation. A user who comes back by a press into one of the window's controls gives
// them to what was pressed instead; the window manager may hand the press over before or after
// the activation, so every press into the window while the keys are owed is watched for.
#pragma once

#include <wx/eventfilter.h>

class wxWindow;

namespace varnholt {

class OwedFocus final : public wxEventFilter {
public:
    // `window` is a top-level window; the watch ends with the object.
    explicit OwedFocus(wxWindow& window);
    ~OwedFocus() override;
    OwedFocus(const OwedFocus&) = delete;
    OwedFocus& operator=(const OwedFocus&) = delete;

    // Whether the table is to take the keys at the next activation.
    void Owe(bool owed) noexcept { m_owed = owed; }
    // At an activation: whether the table takes the keys now, which it does once, and only when
    // no press into the window came since they were owed.
    [[nodiscard]] bool SettleAtActivation() noexcept;

private:
    int FilterEvent(wxEvent& event) override;

    wxWindow& m_window;
    bool m_owed = false;
};

}  // namespace varnholt
