#pragma once
// A command line taken apart into its words as a program started with it would see them:
// blanks separate, double quotes group (and are removed), as in Regedit /s "C:\My files\a.reg".
#include <string>
#include <string_view>
#include <vector>

namespace halvex::platform::substitute {

std::vector<std::string> CommandLineWords(std::string_view commandLine);

}  // namespace halvex::platform::substitute
