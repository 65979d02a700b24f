// Halvex.exe under Wine: started as a user starts it, found by its main window's class, asked
// to restore by a second copy and to end by the quit message; every built tool opened from its
// link; and screenshots of its sheets, its tools and the About dialog for people to look at.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tools/tool_table.h"

namespace {

constexpr UINT kTrayMessage = 0x500;
constexpr LPARAM kQuitRequest = 16;
constexpr DWORD kStartTimeout = 30000;
constexpr DWORD kEndTimeout = 15000;

// The folder of this test, usable for file operations. A build tree outside the prefix's drives
// is named "unix\..." by Wine, which the file calls take only with the "\\?\" prefix.
std::string OwnFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  folder = folder.substr(0, folder.find_last_of('\\') + 1);
  if (folder.rfind("unix\\", 0) == 0) folder = "\\\\?\\" + folder;
  return folder;
}

// The program beside this test lies in a host folder outside the prefix's drives, from where
// programs cannot be started; it runs from a copy on drive C: instead, as if installed there.
const std::string& InstalledProgram() {
  static const std::string path = [] {
    const std::string folder = "C:\\Program Files\\Halvex";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string target = folder + "\\Halvex.exe";
    if (!CopyFileA((OwnFolder() + "Halvex.exe").c_str(), target.c_str(), FALSE)) {
      ADD_FAILURE() << "cannot copy " << OwnFolder() << "Halvex.exe: error " << GetLastError();
    }
    return target;
  }();
  return path;
}

// One running copy of the program; ends it if the test did not.
class Program {
 public:
  explicit Program(const std::string& argument = {}) {
    std::string commandLine = "\"" + InstalledProgram() + "\"";
    if (!argument.empty()) commandLine += " " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    const std::string folder = InstalledProgram().substr(0, InstalledProgram().rfind('\\'));
    started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &process_) != FALSE;
    if (!started_) {
      failure_ = commandLine + " failed with error " + std::to_string(GetLastError());
    }
  }
  ~Program() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, kEndTimeout);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return started_; }
  HANDLE handle() const { return process_.hProcess; }
  const std::string& failure() const { return failure_; }
  // True when the process ended within the time, with its exit code in `code`.
  bool WaitForEnd(DWORD timeout, DWORD& code) {
    if (WaitForSingleObject(process_.hProcess, timeout) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(process_.hProcess, &code);
    return true;
  }
  DWORD id() const { return process_.dwProcessId; }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
  std::string failure_;
};

// The main window of the process, once it shows; nullptr when it does not within the time.
HWND WaitForMainWindow(DWORD processId, DWORD timeout) {
  for (DWORD waited = 0; waited < timeout; waited += 100) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "THalvexMainForm", nullptr)) != nullptr) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == processId && IsWindowVisible(window)) return window;
    }
    Sleep(100);
  }
  return nullptr;
}

// Lets the program paint what it was told to before a picture is taken.
void Settle() {
  Sleep(700);
}

// Clicks the deepest child window at a point of the window's client area, as the mouse would.
void ClickAt(HWND window, POINT at) {
  HWND target = window;
  POINT point = at;
  while (HWND child = ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE)) {
    if (child == target) break;
    MapWindowPoints(target, child, &point, 1);
    target = child;
  }
  const LPARAM position = MAKELPARAM(point.x, point.y);
  PostMessageA(target, WM_MOUSEMOVE, 0, position);
  PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, position);
  PostMessageA(target, WM_LBUTTONUP, 0, position);
}

// Copies the window's client area from the screen into a 24-bit BMP file; answers how many
// different colours it holds, 0 when it could not be taken.
std::size_t Screenshot(HWND window, const std::string& name) {
  RECT area;
  GetClientRect(window, &area);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
  const int width = area.right - area.left, height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();

  const int stride = (width * 3 + 3) & ~3;
  const auto* pixels = static_cast<const std::uint8_t*>(bits);
  std::set<std::uint32_t> colours;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = pixels + y * stride + x * 3;
      colours.insert(p[0] | p[1] << 8 | p[2] << 16);
    }
  }

  CreateDirectoryA((OwnFolder() + "screenshots").c_str(), nullptr);
  const std::string path = OwnFolder() + "screenshots\\" + name + ".bmp";
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER bottomUp = info.bmiHeader;
    bottomUp.biHeight = height;
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof bottomUp;
    header.bfSize = header.bfOffBits + stride * height;
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(&bottomUp, sizeof bottomUp, 1, file);
    for (int y = height - 1; y >= 0; --y) std::fwrite(pixels + y * stride, stride, 1, file);
    std::fclose(file);
  } else {
    colours.clear();
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colours.size();
}

// Where the main window's buttons are, in its client coordinates.
constexpr POINT kScanButton{78, 127};
constexpr POINT kBackupButton{78, 174};
constexpr POINT kAdvanceButton{78, 221};
constexpr POINT kAboutButton{400 + 216 + 36, 78};

TEST(HalvexExe, StartsWithItsMainWindowClassAndEndsOnTheQuitMessage) {
  Program program;
  ASSERT_TRUE(program.started()) << program.failure();
  HWND window = WaitForMainWindow(program.id(), kStartTimeout);
  ASSERT_NE(window, nullptr) << "no visible window of class THalvexMainForm";
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ(caption, "Hal Vex v3.0");
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 700);
  EXPECT_EQ(client.bottom, 540);

  ASSERT_TRUE(PostMessageA(window, kTrayMessage, 0, kQuitRequest));
  DWORD code = 1;
  ASSERT_TRUE(program.WaitForEnd(kEndTimeout, code)) << "the quit request did not end it";
  EXPECT_EQ(code, 0u);
}

TEST(HalvexExe, ASecondStartRestoresTheFirstCopyAndEnds) {
  Program first;
  ASSERT_TRUE(first.started()) << first.failure();
  HWND window = WaitForMainWindow(first.id(), kStartTimeout);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_MINIMIZE);
  for (int i = 0; i < 50 && !IsIconic(window); ++i) Sleep(100);
  ASSERT_TRUE(IsIconic(window)) << "the window did not minimize";

  Program second("-Scan");
  ASSERT_TRUE(second.started()) << second.failure();
  DWORD code = 1;
  ASSERT_TRUE(second.WaitForEnd(kEndTimeout, code)) << "the second copy kept running";
  EXPECT_EQ(code, 0u);
  for (int i = 0; i < 50 && IsIconic(window); ++i) Sleep(100);
  EXPECT_FALSE(IsIconic(window)) << "the first copy was not restored";
  EXPECT_TRUE(IsWindowVisible(window));

  PostMessageA(window, kTrayMessage, 0, kQuitRequest);
  EXPECT_TRUE(first.WaitForEnd(kEndTimeout, code));
}

// Counts the visible windows of the main window class, of any process.
int MainWindowCount() {
  int count = 0;
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, "THalvexMainForm", nullptr)) != nullptr) {
    if (IsWindowVisible(window)) ++count;
  }
  return count;
}

TEST(HalvexExe, TwoStartsInQuickSuccessionLeaveOneCopy) {
  Program first;
  ASSERT_TRUE(first.started()) << first.failure();
  Sleep(200);  // the first copy is still on its splash
  Program second;
  ASSERT_TRUE(second.started()) << second.failure();

  // Which copy claims the program first is up to the system's scheduling, not the order of the
  // two starts (a loaded machine may run the second start's code first): one copy must end by
  // itself, and the other keep running with its window.
  const HANDLE both[] = {first.handle(), second.handle()};
  const DWORD ended = WaitForMultipleObjects(2, both, FALSE, kStartTimeout + kEndTimeout);
  ASSERT_TRUE(ended == WAIT_OBJECT_0 || ended == WAIT_OBJECT_0 + 1)
      << "both copies kept running side by side";
  Program& gone = ended == WAIT_OBJECT_0 ? first : second;
  Program& kept = ended == WAIT_OBJECT_0 ? second : first;
  DWORD code = 1;
  ASSERT_TRUE(gone.WaitForEnd(0, code));
  EXPECT_EQ(code, 0u);
  HWND window = WaitForMainWindow(kept.id(), kStartTimeout);
  ASSERT_NE(window, nullptr) << "the copy that stayed did not show its window";
  EXPECT_EQ(MainWindowCount(), 1);

  PostMessageA(window, kTrayMessage, 0, kQuitRequest);
  EXPECT_TRUE(kept.WaitForEnd(kEndTimeout, code));
}

// Turns user account control on in the prefix's registry for as long as it lives.
class UserAccountControl {
 public:
  UserAccountControl() {
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kPolicies, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_,
                        nullptr) != ERROR_SUCCESS) {
      key_ = nullptr;
      return;
    }
    const DWORD on = 1;
    RegSetValueExA(key_, "EnableLUA", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
  }
  ~UserAccountControl() {
    if (key_ == nullptr) return;
    RegDeleteValueA(key_, "EnableLUA");
    RegCloseKey(key_);
  }
  bool on() const { return key_ != nullptr; }

 private:
  static constexpr const char* kPolicies =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
  HKEY key_ = nullptr;
};

std::string VistaMark() {
  char text[16] = "(missing)";
  DWORD size = sizeof text;
  RegGetValueA(HKEY_CURRENT_USER, "Software\\Hal Vex", "vista", RRF_RT_REG_SZ, nullptr, text,
               &size);
  return text;
}

TEST(HalvexExe, WithUserAccountControlItRestartsItselfOnceAndTheRestartedCopyRuns) {
  UserAccountControl control;
  ASSERT_TRUE(control.on()) << "cannot turn on user account control in the prefix";
  Program program("-Scan");
  ASSERT_TRUE(program.started()) << program.failure();

  DWORD code = 1;
  ASSERT_TRUE(program.WaitForEnd(kStartTimeout, code))
      << "the unelevated copy should end after starting the elevated one";
  EXPECT_EQ(code, 0u);
  HWND window = nullptr;
  for (int i = 0; i < 300 && window == nullptr; ++i) {
    window = FindWindowA("THalvexMainForm", nullptr);
    if (window == nullptr || !IsWindowVisible(window)) {
      window = nullptr;
      Sleep(100);
    }
  }
  ASSERT_NE(window, nullptr) << "the restarted copy did not show its window";
  DWORD restarted = 0;
  GetWindowThreadProcessId(window, &restarted);
  EXPECT_NE(restarted, program.id());
  EXPECT_EQ(VistaMark(), "") << "the restarted copy clears the mark";
  EXPECT_EQ(MainWindowCount(), 1);

  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, restarted);
  PostMessageA(window, kTrayMessage, 0, kQuitRequest);
  if (process != nullptr) {
    EXPECT_EQ(WaitForSingleObject(process, kEndTimeout), WAIT_OBJECT_0);
    CloseHandle(process);
  }
}

TEST(HalvexExe, ClosingHidesInTheTrayAndADoubleClickOnTheIconBringsItBack) {
  Program program;
  ASSERT_TRUE(program.started()) << program.failure();
  HWND window = WaitForMainWindow(program.id(), kStartTimeout);
  ASSERT_NE(window, nullptr);

  PostMessageA(window, WM_CLOSE, 0, 0);
  for (int i = 0; i < 50 && IsWindowVisible(window); ++i) Sleep(100);
  EXPECT_FALSE(IsWindowVisible(window)) << "closing should hide the program in the tray";
  DWORD code = 0;
  EXPECT_FALSE(program.WaitForEnd(500, code)) << "closing must not end the program";

  PostMessageA(window, kTrayMessage, 0, WM_LBUTTONDBLCLK);
  for (int i = 0; i < 50 && (!IsWindowVisible(window) || IsIconic(window)); ++i) Sleep(100);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_FALSE(IsIconic(window));

  PostMessageA(window, kTrayMessage, 0, kQuitRequest);
  EXPECT_TRUE(program.WaitForEnd(kEndTimeout, code));
}

TEST(HalvexExe, ScreenshotsOfTheSheetsAndTheAboutDialog) {
  Program program;
  ASSERT_TRUE(program.started()) << program.failure();
  HWND window = WaitForMainWindow(program.id(), kStartTimeout);
  ASSERT_NE(window, nullptr);
  SetForegroundWindow(window);
  Settle();

  const struct {
    POINT button;
    const char* name;
  } sheets[] = {{kBackupButton, "backup-sheet"},
                {kAdvanceButton, "advanced-sheet"},
                {kScanButton, "scan-sheet"}};
  for (const auto& sheet : sheets) {
    ClickAt(window, sheet.button);
    Settle();
    // A picture of one or two colours means nothing was drawn.
    EXPECT_GT(Screenshot(window, sheet.name), 20u) << sheet.name;
  }

  ClickAt(window, kAboutButton);
  HWND about = nullptr;
  for (int i = 0; i < 100 && about == nullptr; ++i) {
    Sleep(100);
    about = FindWindowA("HalvexForm", "About");
  }
  ASSERT_NE(about, nullptr) << "the About dialog did not open";
  Settle();
  EXPECT_GT(Screenshot(about, "about-dialog"), 20u);
  PostMessageA(about, WM_CLOSE, 0, 0);
  for (int i = 0; i < 50 && IsWindowVisible(about); ++i) Sleep(100);
  EXPECT_FALSE(IsWindowVisible(about)) << "closing the dialog did not hide it";

  PostMessageA(window, kTrayMessage, 0, kQuitRequest);
  DWORD code = 1;
  EXPECT_TRUE(program.WaitForEnd(kEndTimeout, code));
}

// The first visible window below `parent`, at any depth, of the class and, when given, the
// text, for which `alsoWanted` (when given) holds; nullptr when there is none.
HWND FindDescendant(HWND parent, const std::string& className, const char* text = nullptr,
                    const std::function<bool(HWND)>& alsoWanted = {}) {
  struct Search {
    const std::string& className;
    const char* text;
    const std::function<bool(HWND)>& alsoWanted;
    HWND found = nullptr;
  } search{className, text, alsoWanted};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) -> BOOL {
        auto& search = *reinterpret_cast<Search*>(data);
        char name[128] = {}, caption[256] = {};
        GetClassNameA(window, name, sizeof name);
        GetWindowTextA(window, caption, sizeof caption);
        if (name != search.className || !IsWindowVisible(window)) return TRUE;
        if (search.text != nullptr && std::string(caption) != search.text) return TRUE;
        if (search.alsoWanted && !search.alsoWanted(window)) return TRUE;
        search.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The left panel's link with this caption. The Advanced sheet's pair of a tool may carry the
// same caption ("Block activeX", "Register ActiveX"); it stays visible under an open tool window,
// so the link is told from it by lying in the left panel.
HWND FindLeftPanelLink(HWND main, const char* caption) {
  constexpr LONG kLeftPanelWidth = 159;
  return FindDescendant(main, "HalvexView", caption, [main](HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&area), 2);
    return area.left < kLeftPanelWidth;
  });
}

// Each tool whose window is built opens from its left-panel link inside the main window, as a
// window of its own class that answers messages; a picture of each is kept.
TEST(HalvexExe, EveryBuiltToolOpensFromItsLink) {
  Program program;
  ASSERT_TRUE(program.started()) << program.failure();
  HWND window = WaitForMainWindow(program.id(), kStartTimeout);
  ASSERT_NE(window, nullptr);
  SetForegroundWindow(window);
  Settle();
  // The tool links show only beside the Advanced sheet.
  ClickAt(window, kAdvanceButton);
  Settle();

  for (const halvex::tools::ToolEntry& tool : halvex::tools::kTools) {
    if (tool.makeWindow == halvex::tools::kUnbuilt || tool.hidden) continue;
    SCOPED_TRACE(tool.windowClass);
    HWND link = FindLeftPanelLink(window, tool.linkCaption);
    ASSERT_NE(link, nullptr) << "no visible link \"" << tool.linkCaption << "\"";
    RECT linkArea;
    GetClientRect(link, &linkArea);
    MapWindowPoints(link, window, reinterpret_cast<POINT*>(&linkArea), 2);
    ClickAt(window, {(linkArea.left + linkArea.right) / 2, (linkArea.top + linkArea.bottom) / 2});

    HWND toolWindow = nullptr;
    for (int i = 0; i < 100 && toolWindow == nullptr; ++i) {
      Sleep(100);
      toolWindow = FindDescendant(window, tool.windowClass);
    }
    ASSERT_NE(toolWindow, nullptr)
        << "the link did not open a window of class " << tool.windowClass;
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutA(toolWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0)
        << "the tool window does not answer";
    Settle();
    EXPECT_GT(Screenshot(window, std::string("tool-") + tool.windowClass), 20u);
  }

  PostMessageA(window, kTrayMessage, 0, kQuitRequest);
  DWORD code = 1;
  EXPECT_TRUE(program.WaitForEnd(kEndTimeout, code));
}

}  // namespace
