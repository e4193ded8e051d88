// TextResolution.h - how large the desktop wants text: the resolution the toolkit hands Pango
// for its own widgets, in dots per logical inch. Large-text settings raise it (GNOME's text
// scaling and Xft.dpi through the X settings, GDK_DPI_SCALE for one program); a desktop scale
// (GDK_SCALE) leaves it as it is, since the window system itself draws each logical pixel as
// that many device pixels. The screen's physical dots per inch play no part.
#pragma once

typedef struct _GdkScreen GdkScreen;

namespace varnholt {

// The text resolution against 96 dpi: 1.5 when the desktop enlarges text by half. 1 where the
// screen gives no resolution, as Pango then takes 96. `screen` null: the default screen.
[[nodiscard]] double DesktopTextScale(GdkScreen* screen = nullptr);

}  // namespace varnholt
