# Libraries from Debian's packages that the portable code uses.

# nlohmann/json (header-only) for halvex-cli's JSON output. The cross builds reach it through a
# folder of its own: the host's /usr/include must not be on their include path.
add_library(halvex_json INTERFACE)
if(CMAKE_CROSSCOMPILING)
  set(json_include ${CMAKE_BINARY_DIR}/json-include)
  file(MAKE_DIRECTORY ${json_include})
  file(CREATE_LINK /usr/include/nlohmann ${json_include}/nlohmann SYMBOLIC)
  target_include_directories(halvex_json SYSTEM INTERFACE ${json_include})
else()
  find_package(nlohmann_json 3 REQUIRED)
  target_link_libraries(halvex_json INTERFACE nlohmann_json::nlohmann_json)
endif()
