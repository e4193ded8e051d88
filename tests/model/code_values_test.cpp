// Code values of activities, projects and resources take their parents' dotted paths in one
// pass over the file order: one typed test over the three record families.

#include "model/records/ActvCodeRecord.h"
#include "model/records/PCatValRecord.h"
#include "model/records/RCatValRecord.h"
#include "model/records/code_value_path.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

struct ActivityCodes {
    using Value = ActvCodeRecord;
    using Type = ActvTypeRecord;
    static constexpr auto kId = &Value::actv_code_id;
    static constexpr auto kParent = &Value::parent_actv_code_id;
    static constexpr auto kName = &Value::short_name;
    static void Link(Value& v, Type* t, const Value* p) { LinkActivityCodeValue(v, t, p); }
    static const Type* TypeOf(const Value& v) { return v.actv_type; }
};

struct ProjectCodes {
    using Value = PCatValRecord;
    using Type = PCatTypeRecord;
    static constexpr auto kId = &Value::proj_catg_id;
    static constexpr auto kParent = &Value::parent_proj_catg_id;
    static constexpr auto kName = &Value::proj_catg_short_name;
    static void Link(Value& v, Type* t, const Value* p) { LinkProjectCodeValue(v, t, p); }
    static const Type* TypeOf(const Value& v) { return v.type; }
};

struct ResourceCodes {
    using Value = RCatValRecord;
    using Type = RCatTypeRecord;
    static constexpr auto kId = &Value::rsrc_catg_id;
    static constexpr auto kParent = &Value::parent_rsrc_catg_id;
    static constexpr auto kName = &Value::rsrc_catg_short_name;
    static void Link(Value& v, Type* t, const Value* p) { LinkResourceCodeValue(v, t, p); }
    static const Type* TypeOf(const Value& v) { return v.type; }
};

struct Row { std::uint32_t id; std::uint32_t parent_id; const wchar_t* name; };

template <class Codes>
class CodeValuePaths : public testing::Test {
protected:
    using Value = typename Codes::Value;

    // The link pass of loading: file order, parents found through an index that keeps the
    // first of two equal ids; the type is found for every value but the ones named "untyped".
    std::vector<std::wstring> Link(const std::vector<Row>& rows) {
        m_values.clear();
        std::map<std::uint32_t, Value*> index;
        for (const Row& row : rows) {
            Value& value = *m_values.emplace_back(std::make_unique<Value>());
            value.*Codes::kId = s_unsigned_long(row.id);
            value.*Codes::kParent = s_unsigned_long(row.parent_id);
            value.*Codes::kName = s_string(std::wstring_view(row.name));
            index.emplace(row.id, &value);
        }
        for (const auto& value : m_values) {
            const auto parent = index.find((value.get()->*Codes::kParent).value);
            const bool typed = (value.get()->*Codes::kName).text != L"untyped";
            Codes::Link(*value, typed ? &m_type : nullptr, parent == index.end() ? nullptr : parent->second);
            EXPECT_EQ(Codes::TypeOf(*value), typed ? &m_type : nullptr);
        }
        std::vector<std::wstring> names;
        for (const auto& value : m_values) names.push_back((value.get()->*Codes::kName).text);
        return names;
    }

    typename Codes::Type m_type;
    std::vector<std::unique_ptr<Value>> m_values;
};

using CodeFamilies = testing::Types<ActivityCodes, ProjectCodes, ResourceCodes>;
TYPED_TEST_SUITE(CodeValuePaths, CodeFamilies);

TYPED_TEST(CodeValuePaths, TakeTheirParentsPathAsItStandsInFileOrder) {
    using Names = std::vector<std::wstring>;
    struct Case { const char* why; std::vector<Row> rows; Names names; } const cases[] = {
        {"parents before children pass on the whole path", {{1, 0, L"R"}, {2, 1, L"A"}, {3, 2, L"B"}},
         {L"R", L"R.A", L"R.A.B"}},
        {"a child before its parent gets only the parent's own name", {{3, 2, L"B"}, {1, 0, L"R"}, {2, 1, L"A"}},
         {L"A.B", L"R", L"R.A"}},
        {"a parent id that names no value leaves the name", {{1, 77, L"X"}}, {L"X"}},
        {"parent id 0 is a top value, even when a value has id 0", {{0, 0, L"Z"}, {5, 0, L"Y"}}, {L"Z", L"Y"}},
        {"a value that names itself is prefixed once", {{4, 4, L"S"}}, {L"S.S"}},
        {"two values that name each other end after one pass", {{31, 32, L"X"}, {32, 31, L"Y"}}, {L"Y.X", L"Y.X.Y"}},
        {"a value whose type is not in the file still gets its path", {{1, 0, L"P"}, {2, 1, L"untyped"}},
         {L"P", L"P.untyped"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(this->Link(c.rows), c.names);
    }
}

TYPED_TEST(CodeValuePaths, DeepChainsStopGrowingAtTheLengthBound) {
    std::vector<Row> chain{{1, 0, L"c"}};
    for (std::uint32_t id = 2; id <= 3000; ++id) chain.push_back({id, id - 1, L"c"});
    std::size_t longest = 0;
    for (const std::wstring& name : this->Link(chain)) longest = std::max(longest, name.size());
    EXPECT_LE(longest, kMaxCodePathLength);
    EXPECT_GT(longest, kMaxCodePathLength - 3) << "paths grow right up to the bound";
}

TEST(CodeValuePaths, ANameThatWouldPassTheBoundStaysAsItWas) {
    const s_string parent(std::wstring(kMaxCodePathLength - 2, L'P'));
    s_string fits(std::wstring_view{L"C"});  // parent + "." + "C" is exactly the bound
    EXPECT_TRUE(PrependParentPath(fits, parent));
    EXPECT_EQ(fits.text.size(), kMaxCodePathLength);
    s_string too_long(std::wstring_view{L"CD"});
    EXPECT_FALSE(PrependParentPath(too_long, parent));
    EXPECT_EQ(too_long.text, L"CD");
}

}  // namespace
}  // namespace varnholt
