// GroupedList.cpp - the two-level model behind the grouped lists and the control around it.

#include "app/dialogs/GroupedList.h"

#include <algorithm>

namespace varnholt {
namespace {

// Model columns: the text first, because a group row shows only model column 0.
constexpr unsigned kTextColumn = 0;
constexpr unsigned kCheckColumn = 1;

}  // namespace

class GroupedListModel final : public wxDataViewModel {
public:
    struct Node {
        bool is_group = false;
        std::size_t entry = 0;  // items: the index in the last Fill
        wxString text;
        bool checked = false;
        Node* parent = nullptr;
        std::vector<Node*> children;
    };

    void Fill(const std::vector<GroupedListGroup>& groups, const std::vector<GroupedListEntry>& entries) {
        m_top.clear();
        m_entry_nodes.assign(entries.size(), nullptr);
        m_nodes.clear();
        std::vector<bool> placed(entries.size(), false);
        for (const GroupedListGroup& group : groups) {
            Node* heading = nullptr;
            for (std::size_t i = 0; i < entries.size(); ++i) {
                if (placed[i] || entries[i].group != group.group) continue;
                if (heading == nullptr && !group.caption.empty()) {
                    heading = NewNode();
                    heading->is_group = true;
                    heading->text = group.caption;
                    m_top.push_back(heading);
                }
                Place(entries, i, heading);
                placed[i] = true;
            }
        }
        // Entries of a group the caller did not list stand at the top, like the uncaptioned ones.
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!placed[i]) Place(entries, i, nullptr);
        }
        Cleared();
    }

    [[nodiscard]] const std::vector<Node*>& Top() const noexcept { return m_top; }
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
    [[nodiscard]] bool GetAttr(const wxDataViewItem& item, unsigned, wxDataViewItemAttr& attr) const override {
        const Node* node = NodeOf(item);
        if (node == nullptr || !node->is_group) return false;
        attr.SetBold(true);
        return true;
    }
    [[nodiscard]] wxDataViewItem GetParent(const wxDataViewItem& item) const override {
        const Node* node = NodeOf(item);
        return node == nullptr ? wxDataViewItem() : ItemOf(node->parent);
    }
    [[nodiscard]] bool IsContainer(const wxDataViewItem& item) const override {
        const Node* node = NodeOf(item);
        return node == nullptr || node->is_group;
    }
    [[nodiscard]] bool HasContainerColumns(const wxDataViewItem&) const override { return false; }
    unsigned GetChildren(const wxDataViewItem& item, wxDataViewItemArray& children) const override {
        const Node* node = NodeOf(item);
        const std::vector<Node*>& list = node == nullptr ? m_top : node->children;
        for (const Node* child : list) children.Add(ItemOf(child));
        return static_cast<unsigned>(list.size());
    }

private:
    Node* NewNode() { return m_nodes.emplace_back(std::make_unique<Node>()).get(); }

    void Place(const std::vector<GroupedListEntry>& entries, std::size_t i, Node* heading) {
        Node* node = NewNode();
        node->entry = i;
        node->text = entries[i].text;
        node->checked = entries[i].checked;
        node->parent = heading;
        (heading == nullptr ? m_top : heading->children).push_back(node);
        m_entry_nodes[i] = node;
    }

    std::vector<std::unique_ptr<Node>> m_nodes;  // owns every node; the others point into it
    std::vector<Node*> m_top;
    std::vector<Node*> m_entry_nodes;
};

GroupedList::GroupedList(wxWindow* parent, wxWindowID id, const Options& options)
    : wxDataViewCtrl(parent, id, wxDefaultPosition, wxDefaultSize,
                     wxDV_ROW_LINES | (options.multiple ? wxDV_MULTIPLE : wxDV_SINGLE)),
      m_model(new GroupedListModel) {
    AssociateModel(m_model);
    m_model->DecRef();  // the control keeps the one reference it took
    if (options.checkable) {
        AppendToggleColumn(wxString(wxUniChar(0x2714)), kCheckColumn, wxDATAVIEW_CELL_ACTIVATABLE, FromDIP(24),
                           wxALIGN_CENTER);
    }
    wxDataViewColumn* text = AppendTextColumn(options.title, kTextColumn, wxDATAVIEW_CELL_INERT, FromDIP(options.width));
    SetExpanderColumn(text);
    SetMinSize(FromDIP(wxSize(options.width + (options.checkable ? 40 : 16), 260)));
    Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, &GroupedList::OnSelectionChanged, this);
}

GroupedList::~GroupedList() = default;

void GroupedList::Fill(const std::vector<GroupedListGroup>& groups, const std::vector<GroupedListEntry>& entries) {
    m_model->Fill(groups, entries);
    for (const GroupedListModel::Node* node : m_model->Top()) {
        if (node->is_group) Expand(GroupedListModel::ItemOf(node));
    }
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
    for (const GroupedListModel::Node* node : m_model->Top()) {
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

}  // namespace varnholt
