// FilePage.h - the File page: a column of six items beside a page area, shown by the frame in
// place of the panes while the ribbon's File tab is current. Items that run a command post it
// to the top-level window as a menu command; Info, Recent and Print show their page here.
// Tab, Up and Down move the keyboard focus along the items as in a menu, Tab round the whole
// page; Return acts on the focused item, which a white outline marks, and so does the letter
// its label marks (O, I, X) while an item has the keys, or with Alt anywhere on the page.
#pragma once

#include <wx/panel.h>

#include <array>
#include <functional>

class wxButton;
class wxFileHistory;
class wxScrolledWindow;
class wxSimplebook;

namespace varnholt {

class FilePage final : public wxPanel {
public:
    // The items, in column order.
    enum Item : int { open_item, info_item, recent_item, options_item, print_item, exit_item, item_count };

    // `recent` is the application's list and outlives the page.
    FilePage(wxWindow* parent, wxFileHistory& recent);

    // Gives the keys to the first item, marked as Tab marks it, however the page was opened.
    void TakeKeys();

    // Shows the page of Info, Recent or Print; the other items have no page and change nothing.
    void ShowItem(int index);
    [[nodiscard]] int GetShownItem() const noexcept { return m_shown; }
    // Called with the item each time ShowItem shows a page.
    void SetItemShownHandler(std::function<void(int)> handler) { m_item_shown = std::move(handler); }

    // Empty panels for the Info page and the print preview; their owners give them a sizer.
    [[nodiscard]] wxWindow* GetInfoPageArea() const noexcept { return m_info_area; }
    [[nodiscard]] wxWindow* GetPrintPageArea() const noexcept { return m_print_area; }

    // Lists the recent files again, newest first, with their full paths.
    void RefreshRecent();

    // The item's label as shown, without its mnemonic marker; empty for an unknown index.
    [[nodiscard]] wxString GetItemLabel(int index) const;

private:
    void OnItem(int index);
    void OnCharHook(wxKeyEvent& event);
    // The letter an item's label marks acts on it: alone while an item has the keys, with Alt
    // anywhere on the page; false for any other key.
    bool ActOnAccessLetter(const wxKeyEvent& event);
    [[nodiscard]] static wxChar AccessLetter(int index);
    // Up and Down move the focus along the item column; false for any other key, or while the
    // focus is not on an item.
    bool StepFocusedItem(int key);
    // Tab from the page's last control goes round to its first item, Shift+Tab from there to
    // its last control; false where Tab stays inside the page on its own.
    bool WrapTab(bool forward);
    wxWindow* CreateRecentPage(wxWindow* parent);
    wxWindow* CreatePrintPage(wxWindow* parent);

    wxFileHistory& m_recent;
    wxWindow* m_column = nullptr;
    std::array<wxButton*, item_count> m_items{};
    wxSimplebook* m_book = nullptr;
    wxWindow* m_info_area = nullptr;
    wxScrolledWindow* m_recent_list = nullptr;
    wxWindow* m_print_area = nullptr;
    int m_shown = info_item;
    std::function<void(int)> m_item_shown;
};

}  // namespace varnholt
