// GroupedList.cpp - the flat model behind the grouped lists and the control around it.

#include "app/dialogs/GroupedList.h"

#include "app/dialogs/dialog_sizes.h"

#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/toplevel.h>

#include <gtk/gtk.h>

#include <algorithm>

namespace varnholt {
namespace {

// Model columns.
constexpr unsigned kTextColumn = 0;
constexpr unsigned kCheckColumn = 1;
constexpr int kCheckColumnWidth = 20;

}  // namespace

class GroupedListModel final : public wxDataViewModel {
public:
    struct Node {
        bool is_group = false;
        std::size_t entry = 0;  // items: the index in the last Fill
        wxString text;
        bool checked = false;
    };

    void Fill(const std::vector<GroupedListGroup>& groups, const std::vector<GroupedListEntry>& entries) {
        m_rows.clear();
        m_entry_nodes.assign(entries.size(), nullptr);
        m_nodes.clear();
        std::vector<bool> placed(entries.size(), false);
        // Entries of a group the caller did not list stand at the top, like the uncaptioned ones.
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const bool listed = std::ranges::any_of(groups, [&](const GroupedListGroup& group) {
                return group.group == entries[i].group && !group.caption.empty();
            });
            if (!listed) Place(entries, i, placed);
        }
        for (const GroupedListGroup& group : groups) {
            bool headed = false;
            for (std::size_t i = 0; i < entries.size(); ++i) {
                if (placed[i] || entries[i].group != group.group) continue;
                if (!headed) {
                    Node* heading = NewNode();
                    heading->is_group = true;
                    heading->text = group.caption;
                    m_rows.push_back(heading);
                    headed = true;
                }
                Place(entries, i, placed);
            }
        }
        Cleared();
    }

    [[nodiscard]] const std::vector<Node*>& Rows() const noexcept { return m_rows; }
    [[nodiscard]] const std::vector<Node*>& EntryNodes() const noexcept { return m_entry_nodes; }
    [[nodiscard]] static Node* NodeOf(const wxDataViewItem& item) { return static_cast<Node*>(item.GetID()); }
    [[nodiscard]] static wxDataViewItem ItemOf(const Node* node) { return wxDataViewItem(const_cast<Node*>(node)); }

    void GetValue(wxVariant& value, const wxDataViewItem& item, unsigned column) const override {
        const Node* node = NodeOf(item);
        if (node == nullptr) return;
        if (column == kCheckColumn) {
            value = node->checked;
        } else {
            value = node->text;
        }
    }
    bool SetValue(const wxVariant& value, const wxDataViewItem& item, unsigned column) override {
        Node* node = NodeOf(item);
        if (node == nullptr || node->is_group || column != kCheckColumn) return false;
        node->checked = value.GetBool();
        return true;
    }
    [[nodiscard]] bool IsEnabled(const wxDataViewItem& item, unsigned column) const override {
        const Node* node = NodeOf(item);
        return node != nullptr && (column != kCheckColumn || !node->is_group);
    }
    // A heading has no check box.
    [[nodiscard]] bool HasValue(const wxDataViewItem& item, unsigned column) const override {
        const Node* node = NodeOf(item);
        return node != nullptr && (column != kCheckColumn || !node->is_group);
    }
    [[nodiscard]] bool GetAttr(const wxDataViewItem& item, unsigned, wxDataViewItemAttr& attr) const override {
        const Node* node = NodeOf(item);
        if (node == nullptr || !node->is_group) return false;
        attr.SetBold(true);
        return true;
    }
    // One level only: headings are rows like the others, so nothing can be folded away.
    [[nodiscard]] wxDataViewItem GetParent(const wxDataViewItem&) const override { return {}; }
    [[nodiscard]] bool IsContainer(const wxDataViewItem& item) const override { return !item.IsOk(); }
    [[nodiscard]] bool IsListModel() const override { return true; }
    unsigned GetChildren(const wxDataViewItem& item, wxDataViewItemArray& children) const override {
        if (item.IsOk()) return 0;
        for (const Node* row : m_rows) children.Add(ItemOf(row));
        return static_cast<unsigned>(m_rows.size());
    }

private:
    Node* NewNode() { return m_nodes.emplace_back(std::make_unique<Node>()).get(); }

    void Place(const std::vector<GroupedListEntry>& entries, std::size_t i, std::vector<bool>& placed) {
        Node* node = NewNode();
        node->entry = i;
        node->text = entries[i].text;
        node->checked = entries[i].checked;
        m_rows.push_back(node);
        m_entry_nodes[i] = node;
        placed[i] = true;
    }

    std::vector<std::unique_ptr<Node>> m_nodes;  // owns every node; the others point into it
    std::vector<Node*> m_rows;                   // in display order
    std::vector<Node*> m_entry_nodes;
};

GroupedList::GroupedList(wxWindow* parent, wxWindowID id, const Options& options)
    : wxDataViewCtrl(parent, id, wxDefaultPosition, wxDefaultSize,
                     (options.grid_lines ? wxDV_HORIZ_RULES | wxDV_VERT_RULES : 0) |
                         (options.multiple ? wxDV_MULTIPLE : wxDV_SINGLE)),
      m_model(new GroupedListModel) {
    AssociateModel(m_model);
    m_model->DecRef();  // the control keeps the one reference it took
    if (options.checkable) {
        // A heavy check mark as the title of a column just wide enough for its boxes.
        wxDataViewColumn* check = AppendToggleColumn(wxString(wxUniChar(0x2714)), kCheckColumn,
                                                     wxDATAVIEW_CELL_ACTIVATABLE, FromDIP(kCheckColumnWidth),
                                                     wxALIGN_CENTER, 0);
        check->GetRenderer()->SetAlignment(wxALIGN_CENTER);
        m_other_columns = FromDIP(kCheckColumnWidth);
    }
    m_text_column =
        AppendTextColumn(options.title, kTextColumn, wxDATAVIEW_CELL_INERT, FromDIP(options.width), options.align, 0);
    m_text_column->GetRenderer()->SetAlignment(options.align | wxALIGN_CENTER_VERTICAL);
    // A name longer than the column keeps its beginning, where names differ most.
    m_text_column->GetRenderer()->EnableEllipsize(wxELLIPSIZE_END);
    SetMinSize(wxSize(-1, FromDIP(260)));
    WidenTextColumn(FromDIP(options.width));
    Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, &GroupedList::OnSelectionChanged, this);
    ShowWholeTextsOnHover();
}

// The toolkit asks for a row's tip as the pointer rests on it.
void GroupedList::ShowWholeTextsOnHover() {
    GtkWidget* tree = GtkGetTreeView();
    gtk_widget_set_has_tooltip(tree, TRUE);
    const auto query = +[](GtkWidget* widget, gint x, gint y, gboolean keyboard, GtkTooltip* tip, gpointer list) {
        if (keyboard) return FALSE;
        auto* view = GTK_TREE_VIEW(widget);
        gint bin_x = 0;
        gint bin_y = 0;
        gtk_tree_view_convert_widget_to_bin_window_coords(view, x, y, &bin_x, &bin_y);
        GtkTreePath* path = nullptr;
        GtkTreeViewColumn* column = nullptr;
        if (!gtk_tree_view_get_path_at_pos(view, bin_x, bin_y, &path, &column, nullptr, nullptr)) return FALSE;
        const auto& self = *static_cast<const GroupedList*>(list);
        const bool text_column = reinterpret_cast<GtkWidget*>(column) == self.m_text_column->GetGtkHandle();
        const wxString whole = self.ShortenedText(gtk_tree_path_get_indices(path)[0],
                                                  gtk_tree_view_column_get_width(column), text_column);
        if (!whole.empty()) {
            gtk_tooltip_set_text(tip, whole.utf8_str());
            gtk_tree_view_set_tooltip_row(view, tip, path);
        }
        gtk_tree_path_free(path);
        return whole.empty() ? FALSE : TRUE;
    };
    g_signal_connect(tree, "query-tooltip", G_CALLBACK(query), this);
}

wxString GroupedList::ShortenedText(int row, int column_width, bool text_column) const {
    if (!text_column || row < 0 || static_cast<std::size_t>(row) >= m_model->Rows().size()) return {};
    const GroupedListModel::Node& node = *m_model->Rows()[static_cast<std::size_t>(row)];
    const int wanted = ColumnWidthFor({node.text}, node.is_group ? GetFont().Bold() : GetFont());
    return wanted > column_width ? node.text : wxString();
}

GroupedList::~GroupedList() = default;

void GroupedList::Fill(const std::vector<GroupedListGroup>& groups, const std::vector<GroupedListEntry>& entries) {
    m_model->Fill(groups, entries);
    MakeRoomFor(entries);
    std::vector<wxString> headings;
    for (const GroupedListGroup& group : groups) headings.push_back(group.caption);
    WidenTextColumn(ColumnWidthFor(headings, GetFont().Bold()));
}

void GroupedList::MakeRoomFor(const std::vector<GroupedListEntry>& entries) {
    std::vector<wxString> own;
    std::vector<wxString> named_by_files;
    for (const GroupedListEntry& entry : entries) (entry.named_by_file ? named_by_files : own).push_back(entry.text);
    WidenTextColumn(ColumnWidthFor(own, GetFont()));
    m_names_from_files_width = std::max(m_names_from_files_width, ColumnWidthFor(named_by_files, GetFont()));
}

int GroupedList::WidthWantedForNamesFromFiles() const noexcept {
    return std::max(0, m_names_from_files_width - m_text_width);
}

int GroupedList::ColumnWidthFor(const std::vector<wxString>& texts, const wxFont& font) const {
    int widest = 0;
    for (const wxString& text : texts) {
        int width = 0;
        GetTextExtent(text, &width, nullptr, nullptr, nullptr, &font);
        widest = std::max(widest, width);
    }
    // The cell's padding on either side of the text, which grows with the font.
    return widest > 0 ? widest + 2 * GetCharWidth() : 0;
}

void GroupedList::WidenTextColumn(int width) {
    // The toolkit answers the width a column has on screen, none before it is shown.
    if (width <= m_text_width) return;
    m_text_width = width;
    m_text_column->SetWidth(width);
    const int rows = m_other_columns + width;
    // Room for the frame beside the columns, whether the scroll bar overlays the rows or not.
    const int least = rows + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this) + FromDIP(4);
    if (least > GetMinSize().x) SetMinSize(wxSize(least, GetMinSize().y));
}

std::vector<std::size_t> GroupedList::ChosenEntries() const {
    wxDataViewItemArray items;
    GetSelections(items);
    std::vector<std::size_t> chosen;
    for (const wxDataViewItem& item : items) {
        const GroupedListModel::Node* node = GroupedListModel::NodeOf(item);
        if (node != nullptr && !node->is_group) chosen.push_back(node->entry);
    }
    std::ranges::sort(chosen);
    return chosen;
}

void GroupedList::ChooseEntry(std::size_t index) {
    if (index >= m_model->EntryNodes().size()) return;
    const wxDataViewItem item = GroupedListModel::ItemOf(m_model->EntryNodes()[index]);
    UnselectAll();
    Select(item);
    SetCurrentItem(item);
    SetFocus();
    EnsureVisible(item);
}

void GroupedList::ChooseHeading(std::size_t n) {
    std::size_t seen = 0;
    for (const GroupedListModel::Node* node : m_model->Rows()) {
        if (node->is_group && seen++ == n) {
            UnselectAll();
            Select(GroupedListModel::ItemOf(node));
            wxDataViewEvent event(wxEVT_DATAVIEW_SELECTION_CHANGED, this, GroupedListModel::ItemOf(node));
            ProcessWindowEvent(event);
            return;
        }
    }
}

std::size_t GroupedList::EntryCount() const { return m_model->EntryNodes().size(); }

bool GroupedList::IsChecked(std::size_t index) const {
    return index < EntryCount() && m_model->EntryNodes()[index]->checked;
}

void GroupedList::SetChecked(std::size_t index, bool checked) {
    if (index >= EntryCount()) return;
    (void)m_model->ChangeValue(wxVariant(checked), GroupedListModel::ItemOf(m_model->EntryNodes()[index]),
                               kCheckColumn);
}

bool GroupedList::AnyChecked() const {
    return std::ranges::any_of(m_model->EntryNodes(), [](const GroupedListModel::Node* node) { return node->checked; });
}

// Group rows are headings, never choices.
void GroupedList::OnSelectionChanged(wxDataViewEvent& event) {
    wxDataViewItemArray items;
    GetSelections(items);
    for (const wxDataViewItem& item : items) {
        const GroupedListModel::Node* node = GroupedListModel::NodeOf(item);
        if (node != nullptr && node->is_group) Unselect(item);
    }
    event.Skip();
}

void GiveRoomToNamesFromFiles(wxTopLevelWindow& dialog, std::initializer_list<GroupedList*> lists) {
    int room = RoomForNamesFromFiles(dialog);
    std::vector<GroupedList*> by_want(lists);
    std::ranges::sort(by_want, {}, &GroupedList::WidthWantedForNamesFromFiles);
    // The least wanting first, so that what one leaves of its share goes to the others.
    for (std::size_t i = 0; i < by_want.size() && room > 0; ++i) {
        const int share = room / static_cast<int>(by_want.size() - i);
        const int given = std::min(by_want[i]->WidthWantedForNamesFromFiles(), share);
        by_want[i]->Widen(given);
        room -= given;
    }
    if (dialog.GetSizer() != nullptr) dialog.GetSizer()->SetSizeHints(&dialog);
}

}  // namespace varnholt
