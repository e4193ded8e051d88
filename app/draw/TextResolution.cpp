// TextResolution.cpp - the desktop's text resolution, read from GDK.

#include "app/draw/TextResolution.h"

#include <gdk/gdk.h>

#include <cmath>

namespace varnholt {

double DesktopTextScale(GdkScreen* screen) {
    if (screen == nullptr) screen = gdk_screen_get_default();
    const double resolution = screen != nullptr ? gdk_screen_get_resolution(screen) : -1.0;
    // GDK answers -1 for "none set"; anything else that is no usable length counts the same.
    return std::isfinite(resolution) && resolution > 0.0 ? resolution / 96.0 : 1.0;
}

}  // namespace varnholt
