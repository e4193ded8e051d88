// FilterSelection.cpp - a row against the chosen filters.

#include "layouts/FilterSelection.h"

namespace varnholt {

bool FilterSelection::Match(const view::Row& row) const {
    const bool any = mode == kMatchAny;
    bool result = !any;
    for (const NamedFilter* filter : filters) {
        if (filter == nullptr) continue;  // counts for nothing, as if never chosen
        const bool matched = filter->Match(row);
        result = any ? (result || matched) : (result && matched);
    }
    return result;
}

}  // namespace varnholt
