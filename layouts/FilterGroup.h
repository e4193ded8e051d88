// FilterGroup.h - the condition tree of a filter: AND/OR groups whose leaves are conditions on
// one field of a row. A group owns its children; a condition owns its arguments.
#pragma once

#include "layouts/FilterArgument.h"
#include "layouts/filter_operator.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace varnholt::view {

class Row;

class FilterGroup {
public:
    explicit FilterGroup(std::int32_t group_kind) : kind(group_kind) {}
    FilterGroup(const FilterGroup&) = delete;
    FilterGroup& operator=(const FilterGroup&) = delete;
    virtual ~FilterGroup() = default;

    [[nodiscard]] virtual bool IsEntry() const { return false; }
    // kMatchAny: true when any child matches; otherwise true when all do. Every child is
    // evaluated. An empty group matches in the all form and fails in the any form.
    [[nodiscard]] virtual bool Match(const Row& row) const;

    FilterGroup& AddChild(std::unique_ptr<FilterGroup> child) { return *children.emplace_back(std::move(child)); }

    std::int32_t kind;
    std::vector<std::unique_ptr<FilterGroup>> children;  // evaluated in order
};

class FilterEntry final : public FilterGroup {
public:
    // A condition on a built-in field.
    [[nodiscard]] static std::unique_ptr<FilterEntry> ForField(std::int32_t field_id, std::int32_t op);
    // A condition on a load-time column: from 500000 an activity code, from 100000 a
    // user-defined field.
    [[nodiscard]] static std::unique_ptr<FilterEntry> ForColumn(std::int32_t op, std::int32_t column_id);

    [[nodiscard]] bool IsEntry() const override { return true; }
    [[nodiscard]] bool Match(const Row& row) const override;

    FilterArgument& AddArgument(std::unique_ptr<FilterArgument> argument) {
        return *arguments.emplace_back(std::move(argument));
    }
    // Only the first argument is ever consulted.
    [[nodiscard]] const FilterArgument* FirstArgument() const noexcept {
        return arguments.empty() ? nullptr : arguments.front().get();
    }

    std::int32_t field;
    std::int32_t op;
    std::int32_t column_id;
    std::vector<std::unique_ptr<FilterArgument>> arguments;

private:
    FilterEntry(std::int32_t field_code, std::int32_t op_code, std::int32_t column)
        : FilterGroup(kMatchAll), field(field_code), op(op_code), column_id(column) {}

    // The resource of the activity, or one above it, is the one the argument names.
    [[nodiscard]] bool MatchResourceTree(const Row& row) const;
};

}  // namespace varnholt::view
