# Writes the site's service worker, SITE_DIR/sw.js, from TEMPLATE: the files it keeps (every file
# of the site, the page as "./") and a cache name of VERSION and a hash of their contents, so that
# any change to the site makes a new worker and a new cache.
# Usage: cmake -DSITE_DIR=... -DTEMPLATE=... -DVERSION=... -P write_service_worker.cmake
file(GLOB_RECURSE site_files RELATIVE ${SITE_DIR} ${SITE_DIR}/*)
list(REMOVE_ITEM site_files sw.js index.html)
list(SORT site_files)
file(SHA256 ${SITE_DIR}/index.html index_hash)
set(hashes "index.html ${index_hash}\n")
set(DELVORA_SITE_FILES "'./'")
foreach(site_file IN LISTS site_files)
  file(SHA256 ${SITE_DIR}/${site_file} file_hash)
  string(APPEND hashes "${site_file} ${file_hash}\n")
  string(APPEND DELVORA_SITE_FILES ",\n  '${site_file}'")
endforeach()
string(SHA256 digest "${hashes}")
string(SUBSTRING ${digest} 0 12 DELVORA_SITE_HASH)
set(DELVORA_VERSION ${VERSION})
configure_file(${TEMPLATE} ${SITE_DIR}/sw.js @ONLY)
