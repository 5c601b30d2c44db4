# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where, the way a Linux desktop expects it: both
# programs in bin, the desktop entry and AppStream metainfo under share, the icon
# in the hicolor theme (the SVG as drawn plus PNGs rendered from it at build
# time), the manual page, the Debian copyright file and the gazetteer index
# (share/velnora/gazetteer.idx, where the programs look for it). Files that carry the
# version are configured from PROJECT_VERSION, so the version stays in one place.
include(GNUInstallDirs)

# The day this version was released; moves together with the version.
set(VELNORA_RELEASE_DATE 2026-12-07)

set(_pkg_src ${CMAKE_CURRENT_LIST_DIR})
set(_pkg_out ${CMAKE_BINARY_DIR}/packaging)
set(_pkg_icon ${CMAKE_SOURCE_DIR}/shell/resources/velnora.svg)

configure_file(${_pkg_src}/velnora.metainfo.xml.in
               ${_pkg_out}/${VELNORA_APP_ID}.metainfo.xml @ONLY)
configure_file(${_pkg_src}/velnora-cli.1.in ${_pkg_out}/velnora-cli.1 @ONLY)

# -n keeps the build date out of the archive, so the page compresses the same every time.
add_custom_command(
  OUTPUT ${_pkg_out}/velnora-cli.1.gz
  COMMAND gzip -9 -n -k -f ${_pkg_out}/velnora-cli.1
  DEPENDS ${_pkg_out}/velnora-cli.1
  VERBATIM)
set(_pkg_generated ${_pkg_out}/velnora-cli.1.gz)

if(EXISTS ${_pkg_icon})
  find_program(VELNORA_RSVG_CONVERT rsvg-convert)
  if(VELNORA_RSVG_CONVERT)
    foreach(size 48 256)
      add_custom_command(
        OUTPUT ${_pkg_out}/icons/${size}/velnora.png
        COMMAND ${CMAKE_COMMAND} -E make_directory ${_pkg_out}/icons/${size}
        COMMAND ${VELNORA_RSVG_CONVERT} --width=${size} --height=${size}
                --output=${_pkg_out}/icons/${size}/velnora.png ${_pkg_icon}
        DEPENDS ${_pkg_icon}
        VERBATIM)
      list(APPEND _pkg_generated ${_pkg_out}/icons/${size}/velnora.png)
      install(FILES ${_pkg_out}/icons/${size}/velnora.png
              DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
  else()
    message(WARNING "rsvg-convert (Debian librsvg2-bin) not found: "
                    "the 48 and 256 px icons are left out of the installation")
  endif()
  install(FILES ${_pkg_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

add_custom_target(velnora_packaging_files ALL DEPENDS ${_pkg_generated})

install(TARGETS velnora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET velnora)
  install(TARGETS velnora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${_pkg_src}/velnora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        RENAME ${VELNORA_APP_ID}.desktop)
install(FILES ${_pkg_out}/${VELNORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_pkg_out}/velnora-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_pkg_src}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(TARGET velnora_gazetteer)  # the places behind the lookup and --place
  # Written beside the old index and renamed over it: a running program keeps
  # reading the old file it mapped, never one rewritten under it.
  install(CODE "
    set(_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/velnora\")
    message(STATUS \"Installing: \${_dir}/gazetteer.idx\")
    file(MAKE_DIRECTORY \"\${_dir}\")
    file(COPY_FILE \"${VELNORA_GAZETTEER_INDEX}\" \"\${_dir}/.gazetteer.idx.new\")
    file(RENAME \"\${_dir}/.gazetteer.idx.new\" \"\${_dir}/gazetteer.idx\")
  ")
endif()
