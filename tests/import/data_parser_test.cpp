// The data-tree parser, tested as text: each tree is printed one node a line, indented by
// depth, with its properties.

#include "import/data_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace varnholt {
namespace {

// "name [k=v, k2=v2]" per node, children indented by two spaces; "<>" for an empty name.
void Dump(const data_node& node, int depth, std::wstring& out) {
    out.append(static_cast<std::size_t>(depth) * 2, L' ');
    out += node.name.empty() ? L"<>" : node.name;
    if (!node.properties.empty()) {
        out += L" [";
        for (std::size_t i = 0; i < node.properties.size(); ++i) {
            if (i > 0) out += L", ";
            out += node.properties[i]->key + L"=" + node.properties[i]->value;
        }
        out += L"]";
    }
    out += L"\n";
    for (const auto& child : node.children) Dump(*child, depth + 1, out);
}

std::wstring ParseAndDump(std::wstring_view text) {
    const auto root = data_parser::new_node(std::wstring(text));
    root->parse();
    std::wstring out;
    Dump(*root, 0, out);
    return out;
}

TEST(DataParser, ReadsNamesPropertiesAndChildren) {
    struct Case { const char* why; std::wstring_view text; std::wstring_view tree; } const cases[] = {
        {"calendar data",
         L"(0||CalendarData()((0||DaysOfWeek()((0||1()())(0||2()((0||0(s|08:00|f|16:00)())))))"
         L"(0||Exceptions()((0||0(d|25569)()))))",
         L"CalendarData\n  DaysOfWeek\n    1\n    2\n      0 [s=08:00, f=16:00]\n  Exceptions\n"
         L"    0 [d=25569]\n"},
        {"spaces between children", L"(0||A()( (0||B()()) (0||D()()) ))", L"A\n  B\n  D\n"},
        {"space after the opening parenthesis stays in the name", L"( 0||A()())", L" 0||A\n"},
        {"empty value", L"(0||X(a|)())", L"X [a=]\n"}, {"other id prefixes stay", L"(1||X()())", L"1||X\n"},
        {"long id prefix", L"(50000000||Layout(k|v)())", L"Layout [k=v]\n"},
        {"DEL characters vanish", L"(0||A(k|x\x7Fy)())", L"A [k=xy]\n"},
        {"repeated keys are kept in order", L"(0||A(k|1|k|2)())", L"A [k=1, k=2]\n"},
        {"unpaired last key is dropped", L"(0||A(a|b|c)())", L"A [a=b]\n"},
        {"lone key is dropped", L"(0||A(a)())", L"A\n"},
        {"empty property group", L"(0||A()((0||B()())))", L"A\n  B\n"}, {"only spaces", L"    ", L"<>\n"},
        {"empty text", L"", L"<>\n"},
        {"no parentheses: each character a nameless child", L"(abc)", L"<>\n  <>\n  <>\n  <>\n"},
        {"property group with nothing after it", L"(0||A(k|v))", L"A [k=v]\n"},
        {"unbalanced end of a children list", L"(0||A()((0||B()())(0||C()(", L"A\n  B\n"},
        {"one character", L"(", L"<>\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ParseAndDump(c.text), c.tree);
    }
}

TEST(DataParser, LineEndsBetweenChildrenGiveNamelessChildren) {
    const auto root = data_parser::new_node(L"(0||A()((0||B()())\r\n(0||C(k|v)())))");
    root->parse();
    ASSERT_EQ(root->children.size(), 4U);
    EXPECT_EQ(root->children[1]->name, L"");
    EXPECT_EQ(root->children[2]->name, L"");
    const data_node* c = root->find_child(L"C");
    ASSERT_NE(c, nullptr);
    const data_props* k = FindByName(c->properties, L"k");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(data_prop_value(*k), L"v");
    EXPECT_EQ(FindByName(c->properties, L"K"), nullptr) << "keys are case-sensitive";
    EXPECT_EQ(root->find_child(L"b"), nullptr) << "names are case-sensitive";
}

// Deep nesting must neither overflow the stack nor take time that grows with the square of
// the length; nodes below the depth limit are not built.
TEST(DataParser, DeepNestingIsCutAtTheDepthLimit) {
    constexpr std::size_t kLevels = 200000;
    std::wstring text;
    for (std::size_t i = 0; i < kLevels; ++i) text += L"(0||N()(";
    text.append(kLevels * 2, L')');
    const auto root = data_parser::new_node(text);
    root->parse();
    std::size_t depth = 0;
    for (const data_node* node = root.get(); !node->children.empty(); node = node->children.front().get()) {
        EXPECT_EQ(node->children.size(), 1U);
        ++depth;
    }
    EXPECT_EQ(depth, data_node::kMaxDepth);
}

TEST(DataParser, ManySiblingsAndHostileTexts) {
    std::wstring siblings = L"(0||Root()(";
    for (int i = 0; i < 100000; ++i) siblings += L"(0||" + std::to_wstring(i) + L"(k|v)())";
    siblings += L"))";
    const auto root = data_parser::new_node(siblings);
    root->parse();
    ASSERT_EQ(root->children.size(), 100000U);
    EXPECT_EQ(root->children.back()->name, L"99999");

    const std::wstring hostile[] = {
        std::wstring(100000, L')'),
        std::wstring(100000, L'('),
        std::wstring(50000, L'|'),
        L"(" + std::wstring(100000, L'|') + L")",
        std::wstring(data_node::kMaxTextLength + 3, L'('),
    };
    for (const auto& text : hostile) {
        const auto node = data_parser::new_node(text);
        node->parse();
        EXPECT_TRUE(node->name.empty());
    }
}

}  // namespace
}  // namespace varnholt
