# libcurl for the error report's SMTP client: Debian's natively; for the Windows builds the
# static SMTP-only libcurl over Schannel that scripts/setup-curl cross-builds from Debian's
# source package into build/deps/curl/.
if(CMAKE_CROSSCOMPILING)
  set(HALVEX_CURL_PREFIX
      "${PROJECT_SOURCE_DIR}/build/deps/curl/${HALVEX_MINGW_TRIPLE}"
      CACHE PATH "Where the cross-built libcurl is installed")
  if(NOT EXISTS "${HALVEX_CURL_PREFIX}/lib/libcurl.a")
    message(FATAL_ERROR
      "No libcurl for ${HALVEX_MINGW_TRIPLE} in ${HALVEX_CURL_PREFIX}: run scripts/setup")
  endif()
  add_library(CURL::libcurl STATIC IMPORTED)
  set_target_properties(CURL::libcurl PROPERTIES
    IMPORTED_LOCATION "${HALVEX_CURL_PREFIX}/lib/libcurl.a"
    INTERFACE_INCLUDE_DIRECTORIES "${HALVEX_CURL_PREFIX}/include"
    INTERFACE_COMPILE_DEFINITIONS CURL_STATICLIB
    INTERFACE_LINK_LIBRARIES "ws2_32;crypt32;secur32;bcrypt;advapi32")
else()
  find_package(CURL REQUIRED)
endif()
