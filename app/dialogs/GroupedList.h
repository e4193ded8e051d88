// GroupedList.h - a list whose items stand under group headings, in one flat run of rows: a
// heading row shows its caption in bold, has no check box, never counts as chosen and never
// folds its items away; the items of the group without a caption stand first, under no
// heading. Optionally grid lines, multiple selection, and a narrow check box column before the
// text. Items are known by their index in the list given to Fill, so the caller keeps ids and
// order in its own model.
//
// The program's own texts widen the list as far as they need. A text that a file names (a code
// type, a user field, a filter of a layout) may be any length: it widens the list only as far
// as GiveRoomToNamesFromFiles allows, and a longer one ends in an ellipsis.
#pragma once

#include <wx/dataview.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

class wxTopLevelWindow;

namespace varnholt {

struct GroupedListGroup {
    std::int32_t group = 0;
    wxString caption;  // empty: no heading
};

struct GroupedListEntry {
    wxString text;
    std::int32_t group = 0;
    bool checked = false;
    bool named_by_file = false;  // any length; see above
};

class GroupedListModel;

class GroupedList final : public wxDataViewCtrl {
public:
    struct Options {
        bool multiple = false;    // several items chosen at once
        bool checkable = false;   // a check box column before the text
        bool grid_lines = false;  // lines between the rows and between the columns
        wxString title;           // the text column's header
        int width = 200;          // of the text column
        wxAlignment align = wxALIGN_LEFT;  // of the text column
    };
    GroupedList(wxWindow* parent, wxWindowID id, const Options& options);
    ~GroupedList() override;

    // Shows the entries under the groups in the groups' order, each group's entries in the
    // order given; groups without entries are left out. The text column widens where a text
    // needs more room than it has (a heading in bold), and never narrows again.
    void Fill(const std::vector<GroupedListGroup>& groups, const std::vector<GroupedListEntry>& entries);
    // Widens the text column for entries that a later Fill may show, so that the list can be
    // laid out once for all of them.
    void MakeRoomFor(const std::vector<GroupedListEntry>& entries);
    // How much wider the text column would have to be to show every text named by a file whole.
    [[nodiscard]] int WidthWantedForNamesFromFiles() const noexcept;
    // Widens the text column by this many pixels.
    void Widen(int pixels) { WidenTextColumn(m_text_width + pixels); }

    // The chosen entries, as indexes into the last Fill, ascending; group rows never count.
    [[nodiscard]] std::vector<std::size_t> ChosenEntries() const;
    // Chooses this entry alone, gives the list the focus and scrolls the entry into view.
    void ChooseEntry(std::size_t index);
    // Chooses the n-th heading row as a click would; the list takes it out of the choice again.
    void ChooseHeading(std::size_t n);

    [[nodiscard]] std::size_t EntryCount() const;
    [[nodiscard]] bool IsChecked(std::size_t index) const;
    // Sends the same notice as a click on the check box.
    void SetChecked(std::size_t index, bool checked);
    [[nodiscard]] bool AnyChecked() const;

private:
    void OnSelectionChanged(wxDataViewEvent& event);
    // A text that ends in "…" shows whole in a tip while the pointer rests on it.
    void ShowWholeTextsOnHover();
    // The row's text where the text column, of this width, shows it shortened; empty otherwise.
    [[nodiscard]] wxString ShortenedText(int row, int column_width, bool text_column) const;
    // The text column at least this wide, and the list wide enough to show it whole beside a
    // vertical scroll bar: a column wider than the rows' visible width brings a horizontal bar
    // that covers the last row.
    void WidenTextColumn(int width);
    // The text column's width that shows the widest of these texts whole; 0 for none.
    [[nodiscard]] int ColumnWidthFor(const std::vector<wxString>& texts, const wxFont& font) const;

    GroupedListModel* m_model;  // reference-counted; the control holds a reference
    wxDataViewColumn* m_text_column = nullptr;
    int m_text_width = 0;     // the text column's width, as last set
    int m_other_columns = 0;  // the check box column's width, where the list has one
    int m_names_from_files_width = 0;  // the text column's width that shows them all whole
};

// Gives the dialog's lists room for the names that files give their entries, in even shares,
// as far as the dialog stays within MostWidthForNames; a dialog that the program's own texts
// make wider than that grows no further. Call once the dialog has been fitted to its sizer.
void GiveRoomToNamesFromFiles(wxTopLevelWindow& dialog, std::initializer_list<GroupedList*> lists);

}  // namespace varnholt
