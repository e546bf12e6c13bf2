# SPDX-License-Identifier: GPL-3.0-or-later
# Run as a script (cmake -P) at build time: turns a TeX pattern file into a
# libhyphen pattern dictionary in ISO-8859-1 with the given edge minima.
# Variables: PERL, EXTRACT (ExtractTexPatterns.pl), SUBSTRINGS (libhyphen's
# substrings.pl), INPUT, OUTPUT, LEFT, RIGHT.
foreach(_var PERL EXTRACT SUBSTRINGS INPUT OUTPUT LEFT RIGHT)
  if(NOT DEFINED ${_var})
    message(FATAL_ERROR "BuildHyphenDictionary.cmake: ${_var} is not set")
  endif()
endforeach()

set(_list ${OUTPUT}.patterns)
execute_process(COMMAND ${PERL} ${EXTRACT} ${INPUT} ${_list} RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "Could not read the patterns of ${INPUT}")
endif()
# substrings.pl reports every pattern embedded in another on standard
# output, some ten megabytes that nobody reads.
execute_process(COMMAND ${PERL} ${SUBSTRINGS} ${_list} ${OUTPUT}.tmp ISO8859-1 ${LEFT} ${RIGHT}
  OUTPUT_QUIET RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "substrings.pl failed on ${_list}")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
file(REMOVE ${_list})
