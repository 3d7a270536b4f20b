# Renders a manual page as man shows it, failing on any warning of man or
# groff, and checks that the page's OPTIONS describe every option the
# program's --help lists, and that the page names no long option it does not.
#   cmake -DPAGE=<page.1.gz> -DPROGRAM=<program> -P check_man_page.cmake

cmake_minimum_required(VERSION 3.25)
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
    man --warnings -E UTF-8 -l -Tutf8 -Z "${PAGE}"
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE warnings)
if(NOT result EQUAL 0 OR warnings)
  message(FATAL_ERROR "man -l ${PAGE} failed (${result}):\n${warnings}")
endif()

execute_process(COMMAND gzip -dc "${PAGE}" OUTPUT_VARIABLE page RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cannot read ${PAGE}")
endif()
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${result})")
endif()

# Options in the usage stand after a blank, a comma or the start of a line.
string(REGEX MATCHALL "(^|[ ,\n])--?[a-zA-Z][a-zA-Z-]*" matches "${help}")
set(options)
foreach(match IN LISTS matches)
  string(REGEX REPLACE "^[ ,\n]" "" option "${match}")
  list(APPEND options "${option}")
endforeach()
list(REMOVE_DUPLICATES options)
if(NOT options)
  message(FATAL_ERROR "${PROGRAM} --help lists no option:\n${help}")
endif()

string(FIND "${page}" "\n.SH OPTIONS\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${PAGE} has no OPTIONS")
endif()
# The section runs from its heading (13 characters) to the next one.
math(EXPR start "${start} + 13")
string(SUBSTRING "${page}" ${start} -1 described)
string(FIND "${described}" "\n.SH " end)
string(SUBSTRING "${described}" 0 ${end} described)

# The page writes a hyphen of an option as \-: "\-h" must not be the start of "\-\-help".
set(undocumented)
foreach(option IN LISTS options)
  string(REPLACE "-" "\\\\-" escaped "${option}")
  if(NOT described MATCHES "(^|[^-])${escaped}([^a-zA-Z-]|$)")
    list(APPEND undocumented "${option}")
  endif()
endforeach()
# A hyphen inside a long option is written \- as well: "\-\-line\-numbers".
string(REGEX MATCHALL "\\\\-\\\\-[a-zA-Z]([a-zA-Z]|\\\\-)*" mentioned "${page}")
set(unknown)
foreach(escaped IN LISTS mentioned)
  string(REPLACE "\\-" "-" option "${escaped}")
  if(NOT option IN_LIST options)
    list(APPEND unknown "${option}")
  endif()
endforeach()
if(undocumented OR unknown)
  message(FATAL_ERROR "${PAGE}: options of ${PROGRAM} --help its OPTIONS lack: ${undocumented}; "
    "options it names that --help does not list: ${unknown}")
endif()
