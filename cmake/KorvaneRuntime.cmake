# The runtime folders APP/ and TitleBar/ live beside the executable. The build copies
# them into the build tree so that build/korvane runs in place; install lays out the same tree.
# Generated pictures are produced straight into ${KORVANE_RUNTIME_DIR}/APP/Image by tools/.

add_custom_target(korvane_runtime ALL
  COMMAND ${CMAKE_COMMAND} -DSRC=${PROJECT_SOURCE_DIR} -DDST=${KORVANE_RUNTIME_DIR}
          -P ${PROJECT_SOURCE_DIR}/cmake/copy_runtime.cmake
  COMMENT "Copying the runtime folders APP/ and TitleBar/ beside the executable"
  VERBATIM)

# Generators register their output files here (see korvane_runtime_add_generated).
set_property(GLOBAL PROPERTY KORVANE_GENERATED_RUNTIME_FILES "")
function(korvane_runtime_add_generated)
  set_property(GLOBAL APPEND PROPERTY KORVANE_GENERATED_RUNTIME_FILES ${ARGN})
endfunction()
