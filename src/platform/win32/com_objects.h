#pragma once
// COM for the bindings that use the system's objects (shell links, the task scheduler): the
// apartment a call needs, and interface pointers that release themselves.
#include <objbase.h>

namespace halvex::platform::win32 {

// Initialises COM on this thread for as long as it lives; undone only when this scope did it.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    // S_FALSE (already initialised) is balanced by an uninitialise as well.
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  // A thread already in another apartment can still create in-process objects.
  bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(Interface* pointer) : pointer_(pointer) {}
  ~ComPtr() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  Interface** out() { return &pointer_; }
  // For the calls that hand an interface back through a void** (CoCreateInstance,
  // QueryInterface).
  void** outVoid() { return reinterpret_cast<void**>(&pointer_); }
  IUnknown** outUnknown() { return reinterpret_cast<IUnknown**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace halvex::platform::win32
