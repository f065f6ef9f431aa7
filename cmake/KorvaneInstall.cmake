# Installed layout (FHS, any prefix):
#   bin/korvane, bin/korvane-sim, bin/korvane-cli
#   share/korvane/APP, share/korvane/TitleBar   runtime folders, read-only; the panel finds
#                                               them relative to its executable
#   share/applications/korvane.desktop, share/metainfo/, share/icons/hicolor/, share/man/man1/
#   share/doc/korvane/                          copyright and changelog
# Settings are never installed: an installed panel keeps them per user under
# $XDG_CONFIG_HOME/korvane (see src/app/app_paths.h), seeded from share/korvane/APP/ConfigFile.

set(KORVANE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(KORVANE_DOCS_DIR ${CMAKE_BINARY_DIR}/packaging)
set(KORVANE_PROGRAMS korvane korvane-sim korvane-cli)

# The English texts as built in, written afresh for the installation: the build tree's own
# copy belongs to the panel that runs there and may hold an operator's edits.
set(_english ${KORVANE_DOCS_DIR}/APP/ConfigFile/language-English.ini)
add_custom_command(OUTPUT ${_english}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${_english}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:korvane_gen_texts> ${_english}
  DEPENDS korvane_gen_texts
  COMMENT "Writing the built-in English texts for the installation"
  VERBATIM)

# Man pages, desktop entry and metainfo carry the version; the man pages and the changelog
# are compressed the way Debian wants them (no time stamp in the gzip header).
set(KORVANE_RELEASE_DATE 2026-12-09)
set(_docs ${_english})
foreach(program ${KORVANE_PROGRAMS})
  set(page ${KORVANE_PACKAGING_DIR}/man/${program}.1)
  if(EXISTS ${page})
    configure_file(${page} ${KORVANE_DOCS_DIR}/man/${program}.1 @ONLY)
    add_custom_command(OUTPUT ${KORVANE_DOCS_DIR}/man/${program}.1.gz
      COMMAND gzip -9nf ${program}.1
      DEPENDS ${KORVANE_DOCS_DIR}/man/${program}.1
      WORKING_DIRECTORY ${KORVANE_DOCS_DIR}/man
      VERBATIM)
    list(APPEND _docs ${KORVANE_DOCS_DIR}/man/${program}.1.gz)
  endif()
endforeach()
configure_file(${KORVANE_PACKAGING_DIR}/changelog ${KORVANE_DOCS_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${KORVANE_DOCS_DIR}/changelog.gz
  COMMAND gzip -9nf changelog
  DEPENDS ${KORVANE_DOCS_DIR}/changelog
  WORKING_DIRECTORY ${KORVANE_DOCS_DIR}
  VERBATIM)
list(APPEND _docs ${KORVANE_DOCS_DIR}/changelog.gz)
configure_file(${KORVANE_PACKAGING_DIR}/org.korvane.korvane.metainfo.xml
               ${KORVANE_DOCS_DIR}/org.korvane.korvane.metainfo.xml @ONLY)
add_custom_target(korvane_install_files ALL DEPENDS ${_docs})

function(korvane_install_setup)
  foreach(program ${KORVANE_PROGRAMS})
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
      # A stripped install (cpack, `cmake --install --strip`) also drops the compiler's notes,
      # as Debian's own packages do.
      install(CODE "if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
      endif()")
      if(EXISTS ${KORVANE_PACKAGING_DIR}/man/${program}.1)
        install(FILES ${KORVANE_DOCS_DIR}/man/${program}.1.gz
                DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
      endif()
    endif()
  endforeach()

  set(data ${CMAKE_INSTALL_DATADIR}/korvane)
  # Style sheets and the other language from the source tree; pictures from the build.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/APP/StyleSheet DESTINATION ${data}/APP)
  install(FILES ${PROJECT_SOURCE_DIR}/APP/ConfigFile/language-Other.ini ${_english}
          DESTINATION ${data}/APP/ConfigFile)
  install(DIRECTORY ${KORVANE_RUNTIME_DIR}/APP/Image DESTINATION ${data}/APP
          FILES_MATCHING PATTERN "*.png")
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/TitleBar/StyleSheet DESTINATION ${data}/TitleBar)
  install(DIRECTORY ${KORVANE_RUNTIME_DIR}/TitleBar/Image DESTINATION ${data}/TitleBar
          FILES_MATCHING PATTERN "*.png")

  install(FILES ${KORVANE_PACKAGING_DIR}/korvane.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${KORVANE_DOCS_DIR}/org.korvane.korvane.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${KORVANE_RUNTIME_DIR}/desktop/icons DESTINATION ${CMAKE_INSTALL_DATADIR})
  install(FILES ${KORVANE_PACKAGING_DIR}/copyright ${KORVANE_DOCS_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvane)
endfunction()

# cpack (or scripts/package, which also sets the release build and Debian's hardening flags)
# makes korvane_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VENDOR "Korvane developers")
set(CPACK_PACKAGE_CONTACT "Korvane developers <korvane@users.noreply.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control panel for video multiviewer and KVM switchers")
# The synopsis comes from the summary; cpack indents these lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Korvane connects a PC to a video multiviewer and KVM switcher over RS-232 or
TCP, identifies the model, reads its settings and changes them: output
resolution and options, multiview layouts and window sources, saved scenes,
audio and microphones, EDID selection and user EDID upload, the device's own
network and baud settings, firmware versions and factory reset. A debug
terminal shows every line on the wire.

korvane-cli drives the same device from scripts and show-control systems:
status, single settings, scenes, and backup, restore and comparison of a
device's settings as a JSON profile.

The package also holds korvane-sim, a simulator of the device for
demonstrations and tests.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Chinese interface needs a CJK font; any of these will do.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
