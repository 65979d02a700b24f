#include "platform/win32/win32_restore_points.h"

#include <objbase.h>
#include <oleauto.h>
#include <wbemcli.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/com_objects.h"

namespace halvex::platform::win32 {
namespace {

constexpr const wchar_t* kNamespace = L"root\\default";
constexpr const wchar_t* kClass = L"SystemRestore";

std::string ErrorText(const char* step, HRESULT result) {
  char text[96];
  std::snprintf(text, sizeof text, "%s failed (error 0x%08lX)", step,
                static_cast<unsigned long>(result));
  return text;
}

std::wstring Wide(std::string_view text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const wchar_t* text) {
  if (text == nullptr || *text == L'\0') return {};
  const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
  narrow.resize(narrow.size() - 1);
  return narrow;
}

// A VARIANT that clears itself.
struct Variant {
  VARIANT value;
  Variant() { VariantInit(&value); }
  ~Variant() { VariantClear(&value); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
};

// A connection to "root\default" for one call, COM initialised around it.
class Connection {
 public:
  Connection() {
    if (!com_.usable()) {
      error_ = ErrorText("CoInitializeEx", E_FAIL);
      return;
    }
    ComPtr<IWbemLocator> locator;
    HRESULT result = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWbemLocator, locator.outVoid());
    if (FAILED(result)) {
      error_ = ErrorText("Creating the management locator", result);
      return;
    }
    BSTR path = SysAllocString(kNamespace);
    // 128: wait at most two minutes for the connection.
    result = locator->ConnectServer(path, nullptr, nullptr, nullptr, WBEM_FLAG_CONNECT_USE_MAX_WAIT,
                                    nullptr, nullptr, services_.out());
    SysFreeString(path);
    if (FAILED(result)) {
      error_ = ErrorText("Connecting to root\\default", result);
      return;
    }
    CoSetProxyBlanket(services_.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                      RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
  }

  const std::string& error() const { return error_; }
  IWbemServices* services() const { return services_.get(); }

  // Whether the class has the method.
  bool HasMethod(const wchar_t* method) {
    ComPtr<IWbemClassObject> inDefinition;
    return SUCCEEDED(ClassObject()) &&
           SUCCEEDED(class_->GetMethod(method, 0, inDefinition.out(), nullptr));
  }

  // Invokes a method of the class with the arguments; its ReturnValue, or the error.
  RestorePointAnswer Invoke(const wchar_t* method,
                            const std::vector<std::pair<const wchar_t*, VARIANT*>>& arguments) {
    HRESULT result = ClassObject();
    if (FAILED(result)) return {.error = ErrorText("Opening SystemRestore", result)};
    ComPtr<IWbemClassObject> inDefinition;
    ComPtr<IWbemClassObject> in;
    result = class_->GetMethod(method, 0, inDefinition.out(), nullptr);
    // A method the class declares without the arguments the program passes has no
    // definition of them.
    if (SUCCEEDED(result) && inDefinition.get() == nullptr) result = WBEM_E_INVALID_METHOD;
    if (SUCCEEDED(result)) result = inDefinition->SpawnInstance(0, in.out());
    if (SUCCEEDED(result) && in.get() == nullptr) result = WBEM_E_FAILED;
    for (const auto& [name, value] : arguments) {
      if (SUCCEEDED(result)) result = in->Put(name, 0, value, 0);
    }
    if (FAILED(result)) return {.error = ErrorText("Preparing the method's arguments", result)};
    ComPtr<IWbemClassObject> out;
    BSTR className = SysAllocString(kClass);
    BSTR methodName = SysAllocString(method);
    result = services_->ExecMethod(className, methodName, 0, nullptr, in.get(), out.out(), nullptr);
    SysFreeString(className);
    SysFreeString(methodName);
    if (FAILED(result)) return {.error = ErrorText("Invoking the method", result)};
    Variant returned;
    if (out.get() == nullptr ||
        FAILED(out->Get(L"ReturnValue", 0, &returned.value, nullptr, nullptr)) ||
        FAILED(VariantChangeType(&returned.value, &returned.value, 0, VT_I4))) {
      return {.error = "The method gave no result"};
    }
    return {.result = returned.value.lVal};
  }

 private:
  HRESULT ClassObject() {
    if (class_.get() != nullptr) return S_OK;
    BSTR name = SysAllocString(kClass);
    const HRESULT result = services_->GetObject(name, 0, nullptr, class_.out(), nullptr);
    SysFreeString(name);
    return result;
  }

  ComScope com_;
  ComPtr<IWbemServices> services_;
  ComPtr<IWbemClassObject> class_;
  std::string error_;
};

std::string PropertyText(IWbemClassObject* object, const wchar_t* name) {
  Variant value;
  if (FAILED(object->Get(name, 0, &value.value, nullptr, nullptr))) return {};
  if (value.value.vt == VT_NULL || value.value.vt == VT_EMPTY) return {};
  if (FAILED(VariantChangeType(&value.value, &value.value, 0, VT_BSTR))) return {};
  return Narrow(value.value.bstrVal);
}

}  // namespace

RestorePointListing Win32RestorePoints::List() {
  Connection connection;
  if (!connection.error().empty()) return {.error = connection.error()};
  ComPtr<IEnumWbemClassObject> instances;
  BSTR className = SysAllocString(L"systemrestore");
  const HRESULT result = connection.services()->CreateInstanceEnum(className, WBEM_FLAG_SHALLOW,
                                                                   nullptr, instances.out());
  SysFreeString(className);
  if (FAILED(result)) return {.error = ErrorText("Listing the restore points", result)};
  RestorePointListing listing;
  for (;;) {
    ComPtr<IWbemClassObject> instance;
    ULONG returned = 0;
    if (instances->Next(WBEM_INFINITE, 1, instance.out(), &returned) != WBEM_S_NO_ERROR ||
        returned == 0) {
      break;
    }
    RestorePointInstance point;
    point.creationTime = PropertyText(instance.get(), L"CreationTime");
    point.description = PropertyText(instance.get(), L"Description");
    point.sequenceNumber = PropertyText(instance.get(), L"SequenceNumber");
    point.type = std::atoi(PropertyText(instance.get(), L"RestorePointType").c_str());
    listing.instances.push_back(std::move(point));
  }
  return listing;
}

RestorePointAnswer Win32RestorePoints::Create(std::string_view description, std::int32_t type,
                                              std::int32_t eventType) {
  Connection connection;
  if (!connection.error().empty()) return {.error = connection.error()};
  Variant text, pointType, event;
  text.value.vt = VT_BSTR;
  text.value.bstrVal = SysAllocString(Wide(description).c_str());
  pointType.value.vt = VT_I4;
  pointType.value.lVal = type;
  event.value.vt = VT_I4;
  event.value.lVal = eventType;
  return connection.Invoke(L"CreateRestorePoint", {{L"Description", &text.value},
                                                   {L"RestorePointType", &pointType.value},
                                                   {L"EventType", &event.value}});
}

RestorePointAnswer Win32RestorePoints::Restore(std::uint32_t sequenceNumber) {
  Connection connection;
  if (!connection.error().empty()) return {.error = connection.error()};
  Variant sequence;
  sequence.value.vt = VT_I4;
  sequence.value.lVal = static_cast<LONG>(sequenceNumber);
  return connection.Invoke(L"Restore", {{L"SequenceNumber", &sequence.value}});
}

RestorePointAnswer Win32RestorePoints::Delete(std::uint32_t sequenceNumber) {
  {
    Connection connection;
    if (!connection.error().empty()) return {.error = connection.error()};
    if (connection.HasMethod(L"Delete")) {
      Variant sequence;
      sequence.value.vt = VT_I4;
      sequence.value.lVal = static_cast<LONG>(sequenceNumber);
      return connection.Invoke(L"Delete", {{L"SequenceNumber", &sequence.value}});
    }
  }
  // The class of Windows XP and later has no Delete: srclient.dll removes a point by number.
  // Wine's srclient.dll exports it as a stub that raises an exception when called, so under
  // Wine there is no removal to call.
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr) {
    return {.error = "The system has no restore point removal (srclient.dll)"};
  }
  HMODULE library = LoadLibraryA("srclient.dll");
  if (library == nullptr)
    return {.error = "The system has no restore point removal (srclient.dll)"};
  using RemoveRestorePoint = DWORD(WINAPI*)(DWORD);
  const auto remove = reinterpret_cast<RemoveRestorePoint>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, "SRRemoveRestorePoint")));
  RestorePointAnswer answer;
  if (remove == nullptr) {
    answer.error = "The system has no restore point removal (SRRemoveRestorePoint)";
  } else {
    answer.result = static_cast<std::int32_t>(remove(sequenceNumber));
  }
  FreeLibrary(library);
  return answer;
}

void Win32RestorePoints::Restart(std::uint32_t flags) {
  HANDLE token = nullptr;
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
      AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
  }
  ExitWindowsEx(flags, 0);
}

}  // namespace halvex::platform::win32
