#pragma once
// Whether a long operation runs. Long operations run inside event handlers on the one UI thread
// and let the message loop run between their items, so other handlers run meanwhile; those test
// this state before they change anything under the running loop (a sheet change would destroy
// the window whose handler is still running). Every long loop marks itself busy.
namespace halvex::ui {

class BusyState {
 public:
  bool busy() const { return depth_ > 0; }

  // Marks a long loop for as long as it lives; loops may nest.
  class [[nodiscard]] Scope {
   public:
    explicit Scope(BusyState& state) : state_(state) { ++state_.depth_; }
    ~Scope() { --state_.depth_; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    BusyState& state_;
  };
  Scope Busy() { return Scope(*this); }

 private:
  int depth_ = 0;
};

}  // namespace halvex::ui
