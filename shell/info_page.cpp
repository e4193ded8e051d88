// info_page.cpp - the Info page's texts and miniature size.

#include "shell/info_page.h"

#include "model/Document.h"
#include "platform/user_paths.h"
#include "shell/ui_text.h"

#include <algorithm>

namespace varnholt {

InfoPageTexts InfoTextsFor(const document::Document* schedule, const std::wstring& path) {
    InfoPageTexts texts;
    if (schedule == nullptr) {
        texts.title = LoadText(IDS_NO_SCHEDULE);
        return texts;
    }
    texts.title = WideFromPath(PathFromWide(path).filename());
    texts.path = path;
    if (schedule->IsXer()) {
        texts.header = {schedule->GetXerVersion().to_string(), schedule->GetExportDate().to_string(),
                        schedule->GetHeaderField3().to_string(), schedule->GetHeaderField4().to_string(),
                        schedule->GetHeaderField7().to_string()};
    }
    return texts;
}

std::optional<MiniatureSize> FitMiniature(std::int32_t space_width, std::int32_t space_height,
                                          std::int32_t shot_width, std::int32_t shot_height) {
    if (shot_width <= 0 || shot_height <= 0 || space_width <= 0 || space_height <= 0) return std::nullopt;
    const double scale = std::min(static_cast<double>(space_width) / shot_width,
                                  static_cast<double>(space_height) / shot_height);
    const auto width = static_cast<std::int32_t>(shot_width * scale);
    const auto height = static_cast<std::int32_t>(shot_height * scale);
    if (width <= 0 || height <= 0) return std::nullopt;
    return MiniatureSize{width, height};
}

}  // namespace varnholt
