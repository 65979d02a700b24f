# libjpeg for the JPEG step pictures: Debian's natively; for the Windows builds the static
# libjpeg-turbo that scripts/setup cross-builds from Debian's source package into build/deps/.
if(CMAKE_CROSSCOMPILING)
  set(HALVEX_JPEG_PREFIX
      "${PROJECT_SOURCE_DIR}/build/deps/libjpeg-turbo/${HALVEX_MINGW_TRIPLE}"
      CACHE PATH "Where the cross-built libjpeg-turbo is installed")
  if(NOT EXISTS "${HALVEX_JPEG_PREFIX}/lib/libjpeg.a")
    message(FATAL_ERROR
      "No libjpeg-turbo for ${HALVEX_MINGW_TRIPLE} in ${HALVEX_JPEG_PREFIX}: run scripts/setup")
  endif()
  add_library(JPEG::JPEG STATIC IMPORTED)
  set_target_properties(JPEG::JPEG PROPERTIES
    IMPORTED_LOCATION "${HALVEX_JPEG_PREFIX}/lib/libjpeg.a"
    INTERFACE_INCLUDE_DIRECTORIES "${HALVEX_JPEG_PREFIX}/include")
else()
  find_package(JPEG REQUIRED)
endif()
