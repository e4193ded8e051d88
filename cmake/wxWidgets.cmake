# wxWidgets as two INTERFACE targets: wx_base_only for code and tests that must not touch the
# GUI toolkit, wx_gui for the windows. FindwxWidgets has no imported target, and the second
# find_package overwrites its variables, so each target takes them as soon as they are found.
# The components are listed one by one: "all" names libraries that are not installed.
find_package(wxWidgets 3.2 REQUIRED COMPONENTS base)
add_library(wx_base_only INTERFACE)
target_include_directories(wx_base_only SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(wx_base_only INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(wx_base_only INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(wx_base_only INTERFACE ${wxWidgets_LIBRARIES})

unset(wxWidgets_FOUND)
find_package(wxWidgets 3.2 REQUIRED COMPONENTS ribbon aui html core base)
add_library(wx_gui INTERFACE)
target_include_directories(wx_gui SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(wx_gui INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(wx_gui INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(wx_gui INTERFACE ${wxWidgets_LIBRARIES})
