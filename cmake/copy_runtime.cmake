# cmake -DSRC=<source dir> -DDST=<build dir> -P copy_runtime.cmake
# Copies APP/ and TitleBar/ from the source tree. Files under APP/ConfigFile/ are copied only
# when absent: the running panel rewrites them (settings, renamed sources, layout names),
# and a rebuild must never undo what an operator saved.
foreach(top APP TitleBar)
  file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/${top}/*)
  foreach(f ${files})
    set(to ${DST}/${f})
    if(f MATCHES "^APP/ConfigFile/" AND EXISTS ${to})
      continue()
    endif()
    get_filename_component(dir ${to} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${SRC}/${f} ${to})
  endforeach()
endforeach()
