# The version of a build, one string wherever it shows (--version, the About window, the manual
# pages, the Debian package and the web page): the project version for a release; for a
# development build the project version, "~git", the commit's date and time (UTC) and its hash,
# such as 0.2.0~git20261210.153045.abc1234, which in Debian's order sorts below the release and
# above the commits before it.
#
# The commit is read from git when the source folder is a git checkout, else from
# cmake/commit.txt, which git archive fills in (export-subst). A commit tagged v<project version>
# is the release, and so is a source without either. DELVORA_VERSION_OVERRIDE replaces the whole
# string (a distribution's own version).

# Sets <out_version> to the version of the source in <source_dir>.
function(delvora_version source_dir project_version out_version)
  set(commit "")
  find_program(DELVORA_GIT git)
  if(DELVORA_GIT AND EXISTS ${source_dir}/.git)
    execute_process(
      COMMAND ${DELVORA_GIT} -C ${source_dir} log -1 --format=%ct%x20%H%x20%D
      OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      set(commit "")
    endif()
  endif()
  if(commit STREQUAL "" AND EXISTS ${source_dir}/cmake/commit.txt)
    file(READ ${source_dir}/cmake/commit.txt commit)
    string(STRIP "${commit}" commit)
  endif()

  set(version ${project_version})
  if(commit MATCHES "^([0-9]+) ([0-9a-f]+)(.*)$")
    set(time ${CMAKE_MATCH_1})
    string(SUBSTRING ${CMAKE_MATCH_2} 0 7 hash)
    set(refs "${CMAKE_MATCH_3}")
    if(NOT refs MATCHES "tag: v${project_version}(,|$)")
      # string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set.
      set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
      set(ENV{SOURCE_DATE_EPOCH} ${time})
      string(TIMESTAMP date "%Y%m%d.%H%M%S" UTC)
      set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")
      set(version "${project_version}~git${date}.${hash}")
    endif()
  endif()
  if(DELVORA_VERSION_OVERRIDE)
    set(version ${DELVORA_VERSION_OVERRIDE})
  endif()
  set(${out_version} ${version} PARENT_SCOPE)
endfunction()

# Configures again when the checkout moves to another commit or a tag is made, so that the
# version follows.
function(delvora_watch_commit source_dir)
  if(NOT DELVORA_GIT OR NOT EXISTS ${source_dir}/.git)
    return()
  endif()
  foreach(path IN ITEMS HEAD logs/HEAD packed-refs refs/tags)
    execute_process(
      COMMAND ${DELVORA_GIT} -C ${source_dir} rev-parse --path-format=absolute --git-path ${path}
      OUTPUT_VARIABLE file OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(file AND EXISTS ${file})
      set_property(DIRECTORY ${source_dir} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    endif()
  endforeach()
endfunction()
