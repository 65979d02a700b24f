// A control for the re-registration tests under Wine: its registration answers
// HALVEX_REGISTER_RESULT, so one build registers and another fails.
#include <windows.h>

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
  return HALVEX_REGISTER_RESULT;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() {
  return S_OK;
}
