# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack from the install rules (./package.sh).
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tesmoran")
set(CPACK_PACKAGE_VENDOR "TESMORAN-Projekt")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "TESMORAN-Projekt <maintainers@users.noreply.c-seed-957100c1.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reading and spelling exercises from German texts")
set(CPACK_PACKAGE_DESCRIPTION
  "TESMORAN turns a short German text into practice material for pupils who
struggle with reading and spelling. About twenty exercise buttons rewrite the
text, or its marked part, into practice forms: capitals only, words backwards,
gaps, first letters only, hidden vowels, shuffled letters. A worksheet grows in
a second text field, with task sentences from a fixed catalogue, a word list of
the text, saving and printing. The user interface is German.
.
The command tesmoran-cli runs the same exercises on the command line.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TESMORAN_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the linked libraries do not reveal: the font of the printed
# worksheet, the plug-ins that draw the icons, the German captions of the
# standard buttons and the German voice of reading aloud.  The syllable
# patterns come with the package.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-sil-andika, libqt6svg6, qt6-translations-l10n, espeak-ng-data")
# A monospaced face with the widths of the printed lines.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

include(CPack)
