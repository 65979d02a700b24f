#pragma once
// The program's names and numbers that other programs and the registry see.
#include <cstdint>
#include "ui/product_name.h"

namespace halvex::app {

inline constexpr const char* kApplicationTitle = "Halvex";
inline constexpr const char* kProductName = ui::kProductName;
inline constexpr const char* kVersion = "3.0";

// A running copy is found by its main window's class and restored with this message.
inline constexpr const char* kMainWindowClass = "THalvexMainForm";
inline constexpr std::uint32_t kRestoreMessage = 0x2400;

// The tray icon's callback message; with the second parameter 16 any program asks the running
// copy to end.
inline constexpr std::uint32_t kTrayMessage = 0x500;
namespace tray_event {
inline constexpr std::intptr_t kQuitRequest = 16;
inline constexpr std::intptr_t kLeftDoubleClick = 0x203;
inline constexpr std::intptr_t kRightButtonDown = 0x204;
}  // namespace tray_event

}  // namespace halvex::app
