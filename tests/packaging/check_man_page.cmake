# Checks a manual page: man renders it without a warning, and, given PROGRAM, every option that
# `PROGRAM --help` lists appears in it.
# cmake -DPAGE=page.1 [-DPROGRAM=executable] -P check_man_page.cmake

find_program(MAN man)
if(MAN)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=80 ${MAN} --warnings -E UTF-8 -l ${PAGE}
    OUTPUT_VARIABLE rendered ERROR_VARIABLE warnings RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "man reports on ${PAGE} (status ${status}):\n${warnings}")
  endif()
else()
  message(STATUS "man is not installed: the page was not rendered")
endif()

if(NOT DEFINED PROGRAM)
  return()
endif()

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed with ${status}")
endif()
# Options start a word: "  -o, --output FILE", "  --river, --chasm".
string(REGEX MATCHALL "[ ,]-(-[a-z0-9][a-z0-9-]*|[a-zA-Z])" options "${help}")
list(TRANSFORM options REPLACE "^[ ,]" "")
list(REMOVE_DUPLICATES options)
list(LENGTH options count)
if(count LESS 10)
  message(FATAL_ERROR "found only ${count} options in the help text:\n${help}")
endif()

# In the page a minus is written \- and options are set in bold or italics.
file(READ ${PAGE} page)
string(REPLACE "\\-" "-" page "${page}")
string(REGEX REPLACE "\\\\f[BIRP]" "" page "${page}")
set(missing)
foreach(option IN LISTS options)
  if(NOT page MATCHES "(^|[^a-zA-Z0-9-])${option}([^a-zA-Z0-9-]|$)")
    list(APPEND missing ${option})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "options of ${PROGRAM} --help missing from ${PAGE}: ${missing}")
endif()
message(STATUS "all ${count} options of --help are in ${PAGE}")
