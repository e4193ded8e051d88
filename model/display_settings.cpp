// display_settings.cpp - the one set of display settings of the process.

#include "display_settings.h"

namespace varnholt {

DisplaySettings& display_settings() {
    static DisplaySettings settings;
    return settings;
}

void ResetDisplaySettings() { display_settings() = DisplaySettings{}; }

}  // namespace varnholt
