// fixed_ground.h - labels on a ground the program fixes, whatever the desktop's theme: the white
// pages of the File page and of the page settings. A dark theme writes labels in a light colour
// meant for its own dark grounds, which vanishes on white.
#pragma once

class wxWindow;

namespace varnholt {

// Every label below `page` (static texts, check boxes, radio buttons and borderless buttons) that
// the program did not colour itself is written in a dark ink, and every link in the blue of links
// on white. Call it once the page's controls exist, and again for controls made later.
void WriteLabelsDarkOnWhite(wxWindow& page);

}  // namespace varnholt
