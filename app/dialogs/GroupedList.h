// GroupedList.h - a list whose items stand under group headings, in one flat run of rows: a
// heading row shows its caption in bold, has no check box, never counts as chosen and never
// folds its items away; the items of the group without a caption stand first, under no
// heading. Optionally grid lines, multiple selection, and a narrow check box column before the
// text. Items are known by their index in the list given to Fill, so the caller keeps ids and
// order in its own model.
#pragma once

#include <wx/dataview.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace varnholt {

struct GroupedListGroup {
    std::int32_t group = 0;
    wxString caption;  // empty: no heading
};

struct GroupedListEntry {
    wxString text;
    std::int32_t group = 0;
    bool checked = false;
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
    // order given; groups without entries are left out.
    void Fill(const std::vector<GroupedListGroup>& groups, const std::vector<GroupedListEntry>& entries);

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

    GroupedListModel* m_model;  // reference-counted; the control holds a reference
};

}  // namespace varnholt
