# wxWidgets as two INTERFACE targets: wx_base_only for code that must not touch GTK, wx_gui for
# the application and its drawing backend. FindwxWidgets has no imported target and its second
# call overwrites the variables of the first, so each set is copied into its target at once.
# The components are named: `wx-config --libs all` lists a library that is not installed.
find_package(wxWidgets 3.2 REQUIRED COMPONENTS base)
add_library(wx_base_only INTERFACE)
target_include_directories(wx_base_only SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(wx_base_only INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(wx_base_only INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(wx_base_only INTERFACE ${wxWidgets_LIBRARIES})

unset(wxWidgets_FOUND)
find_package(wxWidgets 3.2 REQUIRED COMPONENTS ribbon aui html xml core base)
add_library(wx_gui INTERFACE)
target_include_directories(wx_gui SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(wx_gui INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(wx_gui INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(wx_gui INTERFACE ${wxWidgets_LIBRARIES})
