# Checks that a build shows one version everywhere: the first line of `delvora-cli --version` and
# `delvora --version`, the manual pages' headers and the package's version file; and that a
# development version sorts between the release before it and its own release in Debian's order.
# cmake -DVERSION=v -DRELEASE=x.y.z -DVERSION_FILE=f -DCLI=exe -DCLI_PAGE=page
#   [-DPROGRAM=exe -DPROGRAM_PAGE=page] -P check_versions.cmake

set(failures "")

file(STRINGS ${VERSION_FILE} packaged LIMIT_COUNT 1)
if(NOT packaged STREQUAL VERSION)
  list(APPEND failures "${VERSION_FILE} holds '${packaged}'")
endif()

# Checks the --version text of executable, whose first line names it as name.
function(check_version_option name executable)
  execute_process(COMMAND ${executable} --version OUTPUT_VARIABLE text RESULT_VARIABLE status)
  string(REGEX MATCH "^[^\n]*" first_line "${text}")
  if(NOT status EQUAL 0 OR NOT first_line STREQUAL "${name} ${VERSION}")
    list(APPEND failures "${name} --version says '${first_line}' (status ${status})")
  endif()
  if(NOT text MATCHES "MIT licence")
    list(APPEND failures "${name} --version does not name the licence")
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

# Checks the version in the header line of a manual page.
function(check_page page)
  file(STRINGS ${page} header REGEX "^\\.TH " LIMIT_COUNT 1)
  if(NOT header MATCHES "\"Delvora ${VERSION}\"")
    list(APPEND failures "${page}: ${header}")
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

check_version_option(delvora-cli ${CLI})
check_page(${CLI_PAGE})
if(PROGRAM)
  check_version_option(delvora ${PROGRAM})
  check_page(${PROGRAM_PAGE})
endif()

if(NOT VERSION STREQUAL RELEASE)
  string(LENGTH "${RELEASE}~git00000000.000000.0000000" expected_length)
  string(LENGTH "${VERSION}" length)
  if(NOT VERSION MATCHES "^${RELEASE}~git[0-9]+\\.[0-9]+\\.[0-9a-f]+$" OR
     NOT length EQUAL expected_length)
    list(APPEND failures "'${VERSION}' is neither the release ${RELEASE} nor a development version")
  endif()
  find_program(DPKG dpkg)
  if(DPKG)
    foreach(check IN ITEMS "${VERSION};lt;${RELEASE}" "${VERSION};gt;0.1.0"
                           "${VERSION};gt;${RELEASE}~git20000101.000000.0000000")
      execute_process(COMMAND ${DPKG} --compare-versions ${check} RESULT_VARIABLE status)
      if(NOT status EQUAL 0)
        list(APPEND failures "dpkg --compare-versions ${check} is false")
      endif()
    endforeach()
  endif()
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "the build's version ${VERSION} is not shown alike:\n  ${text}")
endif()
message(STATUS "version ${VERSION} everywhere")
