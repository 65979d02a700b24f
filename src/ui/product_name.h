#pragma once
// The program's name as its windows and message boxes show it, for every window of the program
// (the main window's, the tools', the mail dialog's).
namespace halvex::ui {

inline constexpr const char* kProductName = "Hal Vex";

}  // namespace halvex::ui
