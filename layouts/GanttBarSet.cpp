// GanttBarSet.cpp - appending bars and labels.

#include "layouts/GanttBarSet.h"

namespace varnholt {

GanttBarLabel& GanttBar::AddLabel(std::int32_t field, std::int32_t position) {
    return *labels.emplace_back(std::make_unique<GanttBarLabel>(GanttBarLabel{field, position}));
}

GanttBar& GanttBarSet::AddBar(std::wstring name, std::int32_t start_field, std::int32_t end_field, bool visible,
                              bool summary) {
    return *bars.emplace_back(std::make_unique<GanttBar>(std::move(name), start_field, end_field, visible, summary));
}

}  // namespace varnholt
