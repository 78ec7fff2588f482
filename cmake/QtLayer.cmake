# The thin Qt layer: every src/<subsystem>/qt/ folder, linked into zelvo_gui,
# and the desktop program built from src/shell/qt/main.cpp.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)
set(ZELVO_GUI_SOURCES)
foreach(sub IN LISTS ZELVO_SUBSYSTEMS)
  file(GLOB qt_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${sub}/qt/*.cpp ${CMAKE_SOURCE_DIR}/src/${sub}/qt/*.h)
  list(APPEND ZELVO_GUI_SOURCES ${qt_sources})
endforeach()
list(FILTER ZELVO_GUI_SOURCES EXCLUDE REGEX ".*/shell/qt/main\\.cpp$")
if(ZELVO_GUI_SOURCES)
  add_library(zelvo_gui STATIC ${ZELVO_GUI_SOURCES})
  target_include_directories(zelvo_gui PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(zelvo_gui PUBLIC zelvo_core Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Network
                                         Qt6::SerialPort Qt6::PrintSupport Qt6::Charts
                                  PRIVATE zelvo_warnings)
  if(EXISTS ${CMAKE_SOURCE_DIR}/src/shell/qt/main.cpp)
    add_executable(zelvo-diagnostic ${CMAKE_SOURCE_DIR}/src/shell/qt/main.cpp)
    target_link_libraries(zelvo-diagnostic PRIVATE zelvo_gui zelvo_warnings)
  endif()
endif()
