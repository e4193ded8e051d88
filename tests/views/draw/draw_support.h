// draw_support.h - a drawing context with a recording backend attached, for the drawing tests.
#pragma once

#include "rows/display_scale.h"
#include "views/draw/DrawContext.h"
#include "views/draw/RecordingBackend.h"

#include <string>
#include <vector>

namespace varnholt::view {

struct Recorded {
    RecordingBackend backend;
    DrawContext context;
    explicit Recorded(std::int32_t origin_x = 0, std::int32_t origin_y = 0) {
        context.SetDevice(&backend);
        context.SetOrigin(origin_x, origin_y);
    }
    [[nodiscard]] const std::vector<std::string>& Lines() const { return backend.Lines(); }
};

// Restores the display scale a test changed.
struct ScaleGuard {
    float saved = DisplayScale();
    ~ScaleGuard() { DisplayScale() = saved; }
};

}  // namespace varnholt::view
