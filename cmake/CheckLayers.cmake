# SPDX-License-Identifier: GPL-3.0-or-later
# The source folders and which others each may include: the folders depend
# one way, down, and everything but the windows is free of Qt.  Included by
# src/CMakeLists.txt at configure time and run again on every build with
#   cmake -DTESMORAN_SOURCE_DIR=<src> -P CheckLayers.cmake
# A wrong include stops either with the file, the line and the rule it breaks.
#
# Lowest first; a folder may include its own files and those of the folders
# listed after its name, nothing else.  "Version.h" (generated, no folder) is
# open to everyone.  Three words keep one meaning each: the worksheet is the
# session on screen (texts, mode, word list) and what the buttons do to it;
# the printed sheet ("Arbeitsblatt") is the page layout and its drawing; the
# rooms of ui/ are the windows.
#
#   text            the text type and its encodings
#   platform        the interfaces the logic calls: the user-interface
#                   services and the printer
#   exercises       the text transformations
#   tasks           the task sentences
#   syllables       the syllable engine on the German hyphenation patterns
#   speech          reading aloud: the speech engine, its audio and word events
#   worksheet       the session state, the exercise frame, its catalogue, the
#                   editing commands, search and replace, "Silben trennen"
#   printsheet      the printed sheet's page layout
#   files           loading, saving, printing, spoken text as WAV and Opus files
#   wordlist        building and editing the word list
#   practice        the on-screen practice page: its exercise set and the
#                   self-contained HTML file, with its sentences spoken if asked
#   app/cli         the command-line front end
#   printsheet/qt   drawing the printed sheet with Qt Gui (no widgets)
#   app/clisheet    the command line's sheet PDF, drawn through printsheet/qt
#   platform/qt     the Qt binding of the services
#   ui/common       what every window shares: units, fonts, colours, icons,
#                   placement, the program's settings
#   ui/help         the icon help and the about window
#   ui/files        the file window
#   ui/syllables    loading the syllable engine, the exception editor
#   ui/printsheet   the Arbeitsblatt window
#   ui/practice     the window of the practice page
#   ui/speech       reading aloud in the window: playback, the spoken word
#                   marked, the menu "Vorlesen", audio files
#   ui/main         the main window and its wiring to the other windows
#   ui/recovery     the recovery file and the offer to restore it
#   app             the program start
cmake_policy(VERSION 3.22)
set(_tesmoran_core_folders text platform exercises tasks syllables speech worksheet printsheet files wordlist practice)
set(_tesmoran_allowed_text "")
set(_tesmoran_allowed_platform text)
set(_tesmoran_allowed_exercises text)
set(_tesmoran_allowed_tasks text)
set(_tesmoran_allowed_syllables text)
set(_tesmoran_allowed_speech text syllables)
set(_tesmoran_allowed_worksheet text platform exercises syllables)
set(_tesmoran_allowed_printsheet text syllables)
set(_tesmoran_allowed_files text platform syllables speech)
set(_tesmoran_allowed_wordlist text platform worksheet)
set(_tesmoran_allowed_practice text platform exercises tasks syllables speech worksheet files wordlist)
set(_tesmoran_allowed_app/cli ${_tesmoran_core_folders})
set(_tesmoran_allowed_printsheet/qt ${_tesmoran_core_folders})
set(_tesmoran_allowed_app/clisheet ${_tesmoran_core_folders} app/cli printsheet/qt)
set(_tesmoran_allowed_platform/qt ${_tesmoran_core_folders})
set(_tesmoran_ui_base ${_tesmoran_core_folders} printsheet/qt platform/qt)
set(_tesmoran_allowed_ui/common ${_tesmoran_ui_base})
set(_tesmoran_allowed_ui/help ${_tesmoran_ui_base} ui/common)
set(_tesmoran_allowed_ui/files ${_tesmoran_ui_base} ui/common)
set(_tesmoran_allowed_ui/syllables ${_tesmoran_ui_base} ui/common)
set(_tesmoran_allowed_ui/printsheet ${_tesmoran_ui_base} ui/common ui/syllables)
set(_tesmoran_allowed_ui/practice ${_tesmoran_ui_base} ui/common)
set(_tesmoran_allowed_ui/speech ${_tesmoran_ui_base} ui/common)
set(_tesmoran_allowed_ui/main ${_tesmoran_ui_base} ui/common ui/help ui/files ui/syllables ui/printsheet ui/practice
    ui/speech)
set(_tesmoran_allowed_ui/recovery ${_tesmoran_ui_base} ui/common ui/main)
set(_tesmoran_allowed_app ${_tesmoran_ui_base} ui/common ui/help ui/files ui/syllables ui/printsheet ui/practice
    ui/speech ui/main ui/recovery)
# These must not see Qt at all.
set(_tesmoran_qt_free ${_tesmoran_core_folders} app/cli)

# The folder a path inside src/ belongs to: its first part, or its first two
# for the nested folders.
function(_tesmoran_folder_of path out)
  if(path MATCHES "^(platform/qt|printsheet/qt|app/clisheet|app/cli|ui/[^/]+)/")
    set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
  elseif(path MATCHES "^([^/]+)/")
    set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

function(tesmoran_check_layers source_dir)
  file(GLOB_RECURSE _files RELATIVE ${source_dir} ${source_dir}/*.h ${source_dir}/*.cpp)
  set(_errors "")
  foreach(_file IN LISTS _files)
    _tesmoran_folder_of(${_file} _folder)
    if(NOT DEFINED _tesmoran_allowed_${_folder})
      string(APPEND _errors "\n  ${_file}: the folder '${_folder}' has no place in cmake/CheckLayers.cmake")
      continue()
    endif()
    file(STRINGS ${source_dir}/${_file} _lines REGEX "^[ \t]*#[ \t]*include")
    foreach(_line IN LISTS _lines)
      if(_line MATCHES "include[ \t]*[<\"](Q[A-Za-z0-9_]*|qt[a-z0-9_]*/)" AND _folder IN_LIST _tesmoran_qt_free)
        string(APPEND _errors "\n  ${_file}: Qt in a folder that must build without it: ${_line}")
      endif()
      if(NOT _line MATCHES "include[ \t]*\"([^\"]+)\"")
        continue()
      endif()
      set(_included ${CMAKE_MATCH_1})
      _tesmoran_folder_of(${_included} _target)
      if(_target STREQUAL "" OR _target STREQUAL _folder OR _target IN_LIST _tesmoran_allowed_${_folder})
        continue()
      endif()
      string(APPEND _errors "\n  ${_file}: '${_folder}' may not include '${_target}': ${_line}")
    endforeach()
  endforeach()
  if(_errors)
    message(FATAL_ERROR "Includes that run against the folder order:${_errors}")
  endif()
endfunction()

tesmoran_check_layers(${TESMORAN_SOURCE_DIR})
