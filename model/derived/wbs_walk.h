// wbs_walk.h - bounds for the walks over a WBS tree. The build pass refuses parent links that
// close a loop, but a tree linked by other means may still hold one, or list an element under
// two parents. So a walk visits at most as many elements as the document holds (a sound tree
// holds each once) and descends at most kMaxWbsDepth levels, which keeps both its time and the
// depth of its recursion bounded; no real schedule nests its WBS that deep.
#pragma once

#include "model/Document.h"
#include "model/records/ProjWbsRecord.h"

#include <cstddef>

namespace varnholt {

inline constexpr int kMaxWbsDepth = 100;

class WbsWalk {
public:
    explicit WbsWalk(const ProjWbsRecord& start)
        : m_steps_left(start.doc != nullptr ? start.doc->ProjWbs().size() : kStepsWithoutDocument) {}

    // Takes one more element into the walk; false once the walk has visited as many as allowed.
    [[nodiscard]] bool Visit() noexcept {
        if (m_steps_left == 0) return false;
        --m_steps_left;
        return true;
    }

private:
    // A record made outside any document (tests) has no table to size the walk by.
    static constexpr std::size_t kStepsWithoutDocument = 1u << 16;
    std::size_t m_steps_left;
};

}  // namespace varnholt
