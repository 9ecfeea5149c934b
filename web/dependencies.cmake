# Points the packages the libraries and tests look for at the WebAssembly builds of web/deps.sh
# in DELVORA_WEB_DEPS, never at the host's libraries.
set(DELVORA_WEB_DEPS "${CMAKE_BINARY_DIR}/deps" CACHE PATH "Prefix of the WebAssembly dependencies")
if(NOT EXISTS "${DELVORA_WEB_DEPS}/lib/libpng16.a")
  message(FATAL_ERROR "No WebAssembly libpng in ${DELVORA_WEB_DEPS}: run web/deps.sh first "
                      "(scripts/web.sh does)")
endif()
set(ZLIB_INCLUDE_DIR "${DELVORA_WEB_DEPS}/include" CACHE PATH "" FORCE)
set(ZLIB_LIBRARY "${DELVORA_WEB_DEPS}/lib/libz.a" CACHE FILEPATH "" FORCE)
set(PNG_PNG_INCLUDE_DIR "${DELVORA_WEB_DEPS}/include" CACHE PATH "" FORCE)
set(PNG_LIBRARY_RELEASE "${DELVORA_WEB_DEPS}/lib/libpng16.a" CACHE FILEPATH "" FORCE)
set(PNG_LIBRARY "${DELVORA_WEB_DEPS}/lib/libpng16.a" CACHE FILEPATH "" FORCE)
set(GTest_DIR "${DELVORA_WEB_DEPS}/lib/cmake/GTest" CACHE PATH "" FORCE)
set(nlohmann_json_DIR "${DELVORA_WEB_DEPS}/share/cmake/nlohmann_json" CACHE PATH "" FORCE)
