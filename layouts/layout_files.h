// layout_files.h - the layout files (".plf") that come with the program: data-tree text
// beside the executable, one layout each, loaded into every new layout store in this order.
// A file's view kind is its root property "view_type", its layout's name its "view_name".
#pragma once

#include <array>
#include <string_view>

namespace varnholt {

inline constexpr std::array<std::string_view, 19> kShippedLayoutFiles = {
    "Layouts/VP_ACT/Activity Status Layout.plf",
    "Layouts/VP_ACT/Activity Type Layout.plf",
    "Layouts/VP_ACT/Default Activities.plf",
    "Layouts/VP_ACT/Grouped by Finish Monthly.plf",
    "Layouts/VP_ACT/Grouped by Finish Weekly.plf",
    "Layouts/VP_ACT/Grouped by Primary Resource.plf",
    "Layouts/VP_ACT/Grouped by Start Monthly.plf",
    "Layouts/VP_ACT/Grouped by Start Weekly.plf",
    "Layouts/VP_ACT/Grouped by WBS path.plf",
    "Layouts/VP_ACT/Project Schedule.plf",
    "Layouts/VP_WBS/Default WBS.plf",
    "Layouts/VP_WBS/Grouped by Project Status.plf",
    "Layouts/VP_WBS/Grouped by Responsible Manager.plf",
    "Layouts/VP_WBS/WBS List.plf",
    "Layouts/VP_WBS/WBS Path Layout.plf",
    "Layouts/VP_PROJ/All Projects.plf",
    "Layouts/VP_PROJ/Grouped by Responsible Manager.plf",
    "Layouts/VP_PROJ/Project Status Layout.plf",
    "Layouts/VP_RES/Default Resources.plf",
};

// The layout each view kind starts with in a new store, one of the shipped ones.
inline constexpr std::wstring_view kDefaultActivityLayout = L"Default Activities";
inline constexpr std::wstring_view kDefaultWbsLayout = L"Default WBS";
inline constexpr std::wstring_view kDefaultProjectLayout = L"All Projects";
inline constexpr std::wstring_view kDefaultResourceLayout = L"Default Resources";

// The folder of the user's own layout files, inside the program folder.
inline constexpr std::string_view kCustomLayoutFolder = "Layouts/VP_CUST";

}  // namespace varnholt
