#pragma once
// errorlist.txt, the list of known Windows errors the error utilities repair. One line per
// error entry: the name, ")", the full key path, "||", the actions separated by ",", "##" and
// the description:
//   A)HKEY_CURRENT_USER\Software\X||V1#5$1@0,V2#abc$1@1##Fixes A
// An action is a value name, "#", the data, "$", the operation digit, "@" and the type digit.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/locale.h"

namespace halvex::tools::errors {

// The file's name in the program folder.
inline constexpr std::string_view kErrorListFileName = "errorlist.txt";

// One line of the file (TContent of UnitErrorList).
struct TContent {
  std::string ErrorName;
  std::string ErrorKeyPath;
  // Everything after "||", the "##" description included, as the file holds it.
  std::string ErrorActions;
  // The description, converted from the system code page to UTF-8.
  std::string ErrorDescription;
  std::int32_t ErrorReserved = 0;
  friend bool operator==(const TContent&, const TContent&) = default;
};
using TErrorContents = std::vector<TContent>;

// One line taken apart; nullopt for a line without ")" or "||", which names no key.
std::optional<TContent> ParseErrorLine(std::string_view line, platform::Locale& locale);
// Every non-empty line of the file's text, in order.
TErrorContents ParseErrorList(std::string_view text, platform::Locale& locale);

enum class ErrorOperation { Nothing, Write, Delete };
enum class ErrorValueType { Other, Integer, Text };

struct ErrorAction {
  std::string valueName;
  std::string data;
  ErrorOperation operation = ErrorOperation::Nothing;
  ErrorValueType type = ErrorValueType::Integer;
  friend bool operator==(const ErrorAction&, const ErrorAction&) = default;
};

// The actions of an entry's ErrorActions. Only the text before the first "##" holds actions:
// the description after it may contain "," and "$", and a fragment of it must never run as an
// action. An empty piece is no action; a piece without "#", "$" and "@" in that order does
// nothing.
std::vector<ErrorAction> ParseErrorActions(std::string_view errorActions);

// The data of an integer write: an optional sign and decimal digits within the 32-bit range,
// as the value's DWORD bits. nullopt for anything else.
std::optional<std::uint32_t> ParseIntegerData(std::string_view data);

}  // namespace halvex::tools::errors
