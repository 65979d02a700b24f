// JunkFile.dat. Any bytes read as the whole records they hold, each text at most 100
// characters; what is read writes back to exactly those records' size and reads back the same,
// and a type appended to it reads back after the types that were there.
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "tools/junk_files/junk_types.h"

using namespace halvex::tools::junk_files;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<JunkType> types = ReadJunkFile(bytes);
  HALVEX_FUZZ_CHECK(types.size() == size / kJunkRecordSize, "one type per whole record");
  for (const JunkType& type : types) {
    HALVEX_FUZZ_CHECK(type.pattern.size() <= kJunkTextMax && type.description.size() <= kJunkTextMax,
               "texts fit their field");
  }
  const std::string written = WriteJunkFile(types);
  HALVEX_FUZZ_CHECK(written.size() == types.size() * kJunkRecordSize, "whole records are written");
  HALVEX_FUZZ_CHECK(ReadJunkFile(written) == types, "what is written reads back");
  std::vector<JunkType> added = types;
  added.push_back({true, bytes.substr(0, 120), bytes.substr(size / 2)});
  const std::vector<JunkType> readBack = ReadJunkFile(WriteJunkFile(added));
  HALVEX_FUZZ_CHECK(readBack.size() == added.size(), "the added type is there");
  HALVEX_FUZZ_CHECK(readBack.back().pattern == added.back().pattern.substr(0, kJunkTextMax) &&
                 readBack.back().description == added.back().description.substr(0, kJunkTextMax),
             "the added type reads back cut to its fields");
  return 0;
}
