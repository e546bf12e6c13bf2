# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules: the two programs, the syllable patterns, the menu entry, the software-centre
# metainfo, the icons, the manual pages and the documents.  Everything that
# is generated (icon bitmaps, compressed pages) is made in the build tree.
include(GNUInstallDirs)

set(TESMORAN_APP_ID "de.tesmoran.Tesmoran")
set(TESMORAN_HOMEPAGE "https://c-seed-957100c1.example/tesmoran" CACHE STRING
  "Web address named in the software-centre metainfo")
set(TESMORAN_SCREENSHOT_URL "${TESMORAN_HOMEPAGE}/raw/main/docs/screenshot.png" CACHE STRING
  "Address of the main-window screenshot named in the software-centre metainfo")
set(TESMORAN_RELEASE_DATE "2026-12-06")

set(_data ${PROJECT_SOURCE_DIR}/data)
set(_gen ${PROJECT_BINARY_DIR}/data)
file(MAKE_DIRECTORY ${_gen})

install(TARGETS tesmoran-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET tesmoran)
  install(TARGETS tesmoran RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The German syllable patterns, built from the German hyphenation project's
# patterns (see src/CMakeLists.txt); the program looks for them here.
install(FILES ${TESMORAN_HYPHEN_DIC_BUILD} DESTINATION ${CMAKE_INSTALL_DATADIR}/tesmoran)
# Lintian is told that the dictionary's ISO8859-1 text is meant.
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME tesmoran)

install(FILES ${_data}/${TESMORAN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(${_data}/${TESMORAN_APP_ID}.metainfo.xml.in ${_gen}/${TESMORAN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_gen}/${TESMORAN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icons: the drawing itself, and bitmaps of it for desktops that want them.
set(_icon_svg ${_data}/icons/${TESMORAN_APP_ID}.svg)
set(_icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${_icon_svg} DESTINATION ${_icon_dir}/scalable/apps)
find_program(TESMORAN_RSVG_CONVERT rsvg-convert REQUIRED)
set(_icon_pngs)
foreach(_size 16 22 24 32 48 64 128 256)
  set(_png ${_gen}/icons/${_size}/${TESMORAN_APP_ID}.png)
  add_custom_command(OUTPUT ${_png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_gen}/icons/${_size}
    COMMAND ${TESMORAN_RSVG_CONVERT} -w ${_size} -h ${_size} -o ${_png} ${_icon_svg}
    DEPENDS ${_icon_svg} VERBATIM)
  list(APPEND _icon_pngs ${_png})
  install(FILES ${_png} DESTINATION ${_icon_dir}/${_size}x${_size}/apps)
endforeach()

# Manual pages and the package's change log, compressed reproducibly.
find_program(TESMORAN_GZIP gzip REQUIRED)
set(_compressed)
foreach(_page tesmoran.1 tesmoran-cli.1)
  configure_file(${_data}/man/${_page} ${_gen}/man/${_page} @ONLY)
  add_custom_command(OUTPUT ${_gen}/man/${_page}.gz
    COMMAND ${TESMORAN_GZIP} -9nkf ${_gen}/man/${_page}
    DEPENDS ${_gen}/man/${_page} VERBATIM)
  list(APPEND _compressed ${_gen}/man/${_page}.gz)
  install(FILES ${_gen}/man/${_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${_data}/debian/changelog.in ${_gen}/doc/changelog @ONLY)
add_custom_command(OUTPUT ${_gen}/doc/changelog.gz
  COMMAND ${TESMORAN_GZIP} -9nkf ${_gen}/doc/changelog
  DEPENDS ${_gen}/doc/changelog VERBATIM)
list(APPEND _compressed ${_gen}/doc/changelog.gz)

add_custom_target(tesmoran_data ALL DEPENDS ${_icon_pngs} ${_compressed})

set(_docdir ${CMAKE_INSTALL_DATADIR}/doc/tesmoran)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
  ${_data}/debian/copyright ${_gen}/doc/changelog.gz
  DESTINATION ${_docdir})

if(TESMORAN_TESTS)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/packaging ${PROJECT_BINARY_DIR}/tests/packaging)
endif()
