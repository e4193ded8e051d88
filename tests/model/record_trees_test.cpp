// Record trees (WBS elements, OBS nodes, resources, roles): the parent-link rules they share,
// and the loops they refuse.

#include "model/records/ObsRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace varnholt {
namespace {

template <class Node>
class RecordTree : public testing::Test {};
using TreeRecords = testing::Types<ProjWbsRecord, ObsRecord, RsrcRecord, RoleRecord>;
TYPED_TEST_SUITE(RecordTree, TreeRecords);

// Six fresh nodes, linked by the test through Node::SetParent.
template <class Node>
struct NodeSet {
    std::array<std::unique_ptr<Node>, 6> nodes;
    NodeSet() {
        for (auto& node : nodes) node = std::make_unique<Node>();
    }
    Node* operator[](std::size_t i) const { return nodes[i].get(); }
};

// Links 0 <- 1 <- 2 <- 3 <- 4 (each the parent of the next); node 5 stays apart.
template <class Node>
void LinkChain(const NodeSet<Node>& set) {
    for (std::size_t i = 1; i < 5; ++i) ASSERT_TRUE(set[i]->SetParent(set[i - 1]));
}

TYPED_TEST(RecordTree, RefusesLinksThatCloseALoop) {
    using Node = TypeParam;
    struct Case { const char* why; std::size_t child; std::size_t parent; };
    // On the chain 0 <- 1 <- 2 <- 3 <- 4, node 5 apart.
    const Case refused[] = {
        {"a node as its own parent", 5, 5}, {"the top under its own child", 0, 1},
        {"the top under the bottom of a long chain", 0, 4}, {"a middle node under a node below it", 1, 3},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.why);
        NodeSet<Node> set;
        LinkChain(set);
        const std::vector<Node*> children_before = set[c.parent]->children;
        Node* const parent_before = set[c.child]->parent;

        EXPECT_FALSE(set[c.child]->SetParent(set[c.parent]));
        EXPECT_EQ(set[c.child]->parent, parent_before);
        EXPECT_EQ(set[c.parent]->children, children_before);
    }
}

TYPED_TEST(RecordTree, JoinsParentAndChild) {
    using Node = TypeParam;
    NodeSet<Node> set;
    LinkChain(set);
    EXPECT_TRUE(set[5]->SetParent(set[4]));  // a new bottom
    EXPECT_EQ(set[5]->parent, set[4]);
    EXPECT_EQ(set[4]->children, std::vector<Node*>{set[5]});

    NodeSet<Node> siblings;
    for (std::size_t i = 1; i < 4; ++i) EXPECT_TRUE(siblings[i]->SetParent(siblings[0]));
    EXPECT_EQ(siblings[0]->children, (std::vector<Node*>{siblings[1], siblings[2], siblings[3]}))
        << "children keep the order they were linked in";
}

TYPED_TEST(RecordTree, RefusesAMissingOrSecondParent) {
    using Node = TypeParam;
    NodeSet<Node> set;
    EXPECT_FALSE(set[0]->SetParent(nullptr)) << "a parent id that found nothing";
    EXPECT_EQ(set[0]->parent, nullptr);

    ASSERT_TRUE(set[1]->SetParent(set[0]));
    EXPECT_FALSE(set[1]->SetParent(set[2])) << "a node stands under one parent only";
    EXPECT_EQ(set[1]->parent, set[0]);
    EXPECT_TRUE(set[2]->children.empty());
}

// A loop that someone made by setting parent pointers directly: a link walking into it must
// still end, and refuses rather than hang a tree onto it.
TYPED_TEST(RecordTree, EndsOnLoopsMadeElsewhere) {
    using Node = TypeParam;
    NodeSet<Node> set;
    set[0]->parent = set[1];
    set[1]->parent = set[2];
    set[2]->parent = set[0];
    EXPECT_FALSE(set[3]->SetParent(set[0]));
    EXPECT_EQ(set[3]->parent, nullptr);

    set[4]->parent = set[4];
    EXPECT_FALSE(set[5]->SetParent(set[4]));
}

}  // namespace
}  // namespace varnholt
