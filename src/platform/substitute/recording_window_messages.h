#pragma once
// Windows of other copies, for tests: a table of windows by class name, and a record of every
// message posted.
#include <map>
#include <string>
#include <vector>

#include "platform/window_messages.h"

namespace halvex::platform::substitute {

struct PostedMessage {
  WindowHandle window;
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  friend bool operator==(const PostedMessage&, const PostedMessage&) = default;
};

class RecordingWindowMessages final : public WindowMessages {
 public:
  // A top-level window of that class exists from now on; answers its handle.
  WindowHandle AddWindow(const std::string& className) {
    const WindowHandle handle{nextHandle_++};
    windows_[className] = handle;
    return handle;
  }

  // Another process holds every name until this many more claims have been refused; -1 holds
  // them for ever.
  void HoldInstanceElsewhere(int refusals) { refusalsLeft_ = refusals; }

  bool ClaimInstance(std::string_view name) override {
    claims_.emplace_back(name);
    if (refusalsLeft_ == 0) return true;
    if (refusalsLeft_ > 0) --refusalsLeft_;
    return false;
  }
  const std::vector<std::string>& claims() const { return claims_; }

  std::optional<WindowHandle> FindTopLevelWindow(std::string_view className) override {
    const auto found = windows_.find(std::string(className));
    if (found == windows_.end()) return std::nullopt;
    return found->second;
  }

  bool PostToWindow(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) override {
    posted_.push_back({window, message, wParam, lParam});
    return true;
  }

  const std::vector<PostedMessage>& posted() const { return posted_; }

 private:
  std::map<std::string, WindowHandle, std::less<>> windows_;
  std::vector<PostedMessage> posted_;
  std::vector<std::string> claims_;
  int refusalsLeft_ = 0;
  std::uintptr_t nextHandle_ = 0x10010;
};

}  // namespace halvex::platform::substitute
