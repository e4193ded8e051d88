// tree_links.h - parent links of the record trees (WBS elements, OBS nodes, resources,
// roles). A file may name any parent id, so a link that would close a loop is refused.
#pragma once

namespace varnholt {

// True when `candidate` is `node` itself or lies below it, so that making it node's parent
// would close a loop. The walk goes up from the candidate; should it meet a loop on the way
// (a tree linked past LinkParent), it stops there and answers true, so it always ends.
template <class Node>
[[nodiscard]] bool WouldCloseLoop(const Node& node, const Node* candidate) noexcept {
    // `ahead` visits every ancestor one by one at twice the pace of `behind`; the two meet
    // only inside a loop.
    const Node* behind = candidate;
    const Node* ahead = candidate;
    while (ahead != nullptr) {
        if (ahead == &node) return true;
        ahead = ahead->parent;
        if (ahead == nullptr) return false;
        if (ahead == &node) return true;
        ahead = ahead->parent;
        behind = behind->parent;
        if (ahead == behind) return true;
    }
    return false;
}

// Sets node's parent and appends node to the parent's children. Refuses, changing nothing,
// when there is no parent, when node already has one (a record stands in one children
// vector only), or when the link would close a loop. Answers whether it linked.
template <class Node>
bool LinkParent(Node& node, Node* parent) {
    if (parent == nullptr || node.parent != nullptr || WouldCloseLoop(node, parent)) return false;
    node.parent = parent;
    parent->AddChild(&node);
    return true;
}

}  // namespace varnholt
