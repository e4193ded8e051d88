// choice_list_tips.h - a drop-down list's names that end in "…" shown whole in a tip while the
// pointer rests on their row of the opened list, as the closed box shows its chosen name.
#pragma once

#include <functional>

class wxChoice;
class wxString;

namespace varnholt {

// `cut_short` tells whether the list shows a name cut short. It is asked each time the list
// opens: the names, and the room they have, may have changed since it last did.
void ShowCutNamesWholeInOpenedList(wxChoice& choice, std::function<bool(const wxString&)> cut_short);

}  // namespace varnholt
