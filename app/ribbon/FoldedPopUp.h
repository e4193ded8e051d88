// FoldedPopUp.h - the window a folded ribbon panel shows its controls in while it is open. It is
// built as the toolkit's menus and drop-down lists are: a pop-up that no window manager manages
// (override-redirect under X), which holds the pointer and the keyboard while it stands. So no
// window manager sizes, places or activates it, and it has the same size, place and keys under
// every one of them and with none. FoldedPopUpClosing.h says when it closes.
#pragma once

#include "shell/popup_place.h"

#include <wx/popupwin.h>

#include <optional>

typedef struct _GtkWidget GtkWidget;

namespace varnholt {

// The client area of `window` on the screen.
[[nodiscard]] wxRect ClientAreaOnScreen(const wxWindow& window);

class FoldedPopUp final : public wxPopupWindow {
public:
    // A pop-up over `owner`'s top-level window, hidden until opened.
    explicit FoldedPopUp(wxWindow& owner);
    ~FoldedPopUp() override;
    FoldedPopUp(const FoldedPopUp&) = delete;
    FoldedPopUp& operator=(const FoldedPopUp&) = delete;

    // Shows the pop-up at `place`, in screen pixels, and takes the pointer and the keyboard.
    // `opening` is the press that opened it, when a press did.
    void Open(const wxRect& place, std::optional<ScreenPress> opening);

    // Takes the pointer and the keyboard again, once a list of its own that had them has closed.
    void Grab();

    // Gives `control`, one of the pop-up's own, the keys once the pop-up has them: asked
    // before, the toolkit would ask the window system to activate the pop-up's window, which
    // takes the keys from under the pointer where no window manager decides, and would report
    // the pop-up's focus before the main window's loss of it. Under a window manager the request
    // names a window it does not manage: GNOME's, answering late on a busy machine, takes the keys
    // from the program, which closes the pop-up.
    void FocusWhenActive(wxWindow& control);

    // Where the main window's client area stood on the screen as the pop-up opened.
    [[nodiscard]] const wxRect& OwnerArea() const { return m_owner_area; }

    // The press that opened the pop-up, if one did and no second press has been taken with it.
    [[nodiscard]] const std::optional<ScreenPress>& OpeningPress() const { return m_opening; }
    void ForgetOpeningPress() { m_opening.reset(); }

    // Hidden and its hold let go at once; the window itself goes once the events at hand are
    // done with, as a closed frame does: closing comes from its own handlers.
    bool Destroy() override;

private:
    void Release();
    void StopRetrying();
    void SetAsideMainFocus();
    void RestoreMainFocus();

    std::optional<ScreenPress> m_opening;
    wxRect m_owner_area;
    bool m_grabbed = false;
    // The X focus as the pop-up opened (an X window id, or PointerRoot where the keys follow
    // the pointer); none on other window systems.
    std::optional<unsigned long> m_focus_before;
    unsigned m_grab_retry = 0;  // the GLib source that tries a refused grab again, while one runs
    // The main window's focused widget, set aside while the pop-up stands where the window system
    // is not X; null once that widget is gone.
    GtkWidget* m_main_focus = nullptr;
};

}  // namespace varnholt
