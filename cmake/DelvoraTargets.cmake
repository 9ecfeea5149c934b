# Helpers for Delvora's library targets.

# Makes the headers of <folder> (relative to the source root) includable as "<folder>/name.h" by
# <target> and by whatever links it, and nothing more: the published directory holds only a link
# to that folder, so an include of a layer the target does not link fails to compile.
function(delvora_publish_headers target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# A static library of ours: delvora_<name> with the alias delvora::<name>, publishing the headers
# of the folder it is declared in, with our warnings.
function(delvora_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  add_library(delvora_${name} STATIC ${ARG_SOURCES})
  add_library(delvora::${name} ALIAS delvora_${name})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  delvora_publish_headers(delvora_${name} ${folder})
  target_link_libraries(delvora_${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE} delvora_warnings)
endfunction()
