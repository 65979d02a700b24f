#include "fuzz/support/fuzz_machine.h"

namespace halvex::fuzz {

FuzzMachine::FuzzMachine(const platform::substitute::CodePage& codePage)
    : codePage_(codePage),
      files_({{'C', root_.path() / "C"}}, {}, codePage),
      locale_(codePage),
      links_(files_, codePage) {
  // The program folder holds the program's own files (the ignore list, the backups).
  std::filesystem::create_directories(root_.path() / "C" / "Program Files" / "Halvex");
}

}  // namespace halvex::fuzz
