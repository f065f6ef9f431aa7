# Test-time half of the layering check (cmake/KorvaneLayering.cmake): scans the sources of the
# widget-free libraries, as listed at configure time, for widget headers once more.
#   cmake -DKORVANE_LAYERING_DIR=<build>/layering -P check_widget_free.cmake
cmake_minimum_required(VERSION 3.16)
include(${CMAKE_CURRENT_LIST_DIR}/KorvaneLayering.cmake)

file(STRINGS ${KORVANE_LAYERING_DIR}/widget_free_sources.txt files)
file(READ ${KORVANE_LAYERING_DIR}/widgets_include_dir.txt widgetsDir)
list(LENGTH files count)
if(count LESS 10)
  message(FATAL_ERROR "the list of widget-free sources holds only ${count} files")
endif()
korvane_widget_headers("${widgetsDir}" headers)
korvane_scan_widget_free("${files}" "${headers}" problems)
if(problems)
  string(REPLACE ";" "\n" problems "${problems}")
  message(FATAL_ERROR "Widget headers in a widget-free library:\n${problems}")
endif()
message(STATUS "${count} sources of the widget-free libraries include no widget header")
