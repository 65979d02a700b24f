#pragma once
// A timer that raises its event every `interval` milliseconds while it is enabled.
#include <functional>
#include <string>

namespace halvex::ui {

class Timer;

class TimerObserver {
 public:
  virtual ~TimerObserver() = default;
  virtual void TimerChanged(Timer& timer) = 0;
  virtual void TimerRemoved(Timer& timer) = 0;
};

class Timer {
 public:
  Timer(std::string name, unsigned interval, bool enabled)
      : name_(std::move(name)), interval_(interval), enabled_(enabled) {}
  ~Timer() {
    if (observer_ != nullptr) observer_->TimerRemoved(*this);
  }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  unsigned interval() const { return interval_; }
  bool enabled() const { return enabled_; }
  void SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (observer_ != nullptr) observer_->TimerChanged(*this);
  }

  std::function<void()> onTimer;
  // One tick, as the system's timer (or a test) raises it; a disabled timer does not tick.
  void Tick() {
    if (enabled_ && onTimer) onTimer();
  }

  void SetObserver(TimerObserver* observer) { observer_ = observer; }

 private:
  std::string name_;
  unsigned interval_;
  bool enabled_;
  TimerObserver* observer_ = nullptr;
};

}  // namespace halvex::ui
