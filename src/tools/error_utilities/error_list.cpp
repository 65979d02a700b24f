#include "tools/error_utilities/error_list.h"

#include <limits>

#include "platform/text_lines.h"

namespace halvex::tools::errors {
namespace {

constexpr std::string_view kNameEnd = ")";
constexpr std::string_view kKeyPathEnd = "||";
constexpr std::string_view kDescriptionStart = "##";

// A digit as its number; any other character (or none) reads as 0.
int DigitAfter(std::string_view piece, std::size_t position) {
  if (position + 1 >= piece.size()) return 0;
  const char c = piece[position + 1];
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

ErrorOperation OperationOf(int digit) {
  switch (digit) {
    case 1:
      return ErrorOperation::Write;
    case 2:
      return ErrorOperation::Delete;
    default:
      return ErrorOperation::Nothing;
  }
}

ErrorValueType TypeOf(int digit) {
  switch (digit) {
    case 0:
      return ErrorValueType::Integer;
    case 1:
      return ErrorValueType::Text;
    default:
      return ErrorValueType::Other;
  }
}

ErrorAction ParseAction(std::string_view piece) {
  const std::size_t hash = piece.find('#');
  const std::size_t dollar = piece.find('$');
  const std::size_t at = piece.find('@');
  if (hash == std::string_view::npos || dollar == std::string_view::npos ||
      at == std::string_view::npos || dollar < hash || at < dollar) {
    ErrorAction nothing;
    nothing.valueName = std::string(piece);
    nothing.operation = ErrorOperation::Nothing;
    return nothing;
  }
  return ErrorAction{.valueName = std::string(piece.substr(0, hash)),
                     .data = std::string(piece.substr(hash + 1, dollar - hash - 1)),
                     .operation = OperationOf(DigitAfter(piece, dollar)),
                     .type = TypeOf(DigitAfter(piece, at))};
}

}  // namespace

std::optional<TContent> ParseErrorLine(std::string_view line, platform::Locale& locale) {
  const std::size_t nameEnd = line.find(kNameEnd);
  if (nameEnd == std::string_view::npos) return std::nullopt;
  const std::string_view afterName = line.substr(nameEnd + kNameEnd.size());
  const std::size_t keyPathEnd = afterName.find(kKeyPathEnd);
  if (keyPathEnd == std::string_view::npos) return std::nullopt;
  const std::string_view actions = afterName.substr(keyPathEnd + kKeyPathEnd.size());
  const std::size_t descriptionStart = actions.find(kDescriptionStart);
  const std::string_view description =
      descriptionStart == std::string_view::npos
          ? std::string_view{}
          : actions.substr(descriptionStart + kDescriptionStart.size());
  return TContent{.ErrorName = std::string(line.substr(0, nameEnd)),
                  .ErrorKeyPath = std::string(afterName.substr(0, keyPathEnd)),
                  .ErrorActions = std::string(actions),
                  .ErrorDescription = locale.ToUtf8(description)};
}

TErrorContents ParseErrorList(std::string_view text, platform::Locale& locale) {
  TErrorContents contents;
  for (std::string_view line : platform::SplitLines(text)) {
    if (line.empty()) continue;
    if (std::optional<TContent> entry = ParseErrorLine(line, locale)) {
      contents.push_back(std::move(*entry));
    }
  }
  return contents;
}

std::vector<ErrorAction> ParseErrorActions(std::string_view errorActions) {
  const std::string_view actions = errorActions.substr(0, errorActions.find(kDescriptionStart));
  std::vector<ErrorAction> parsed;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = actions.find(',', start);
    const std::string_view piece = actions.substr(start, comma - start);
    if (!piece.empty()) parsed.push_back(ParseAction(piece));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return parsed;
}

std::optional<std::uint32_t> ParseIntegerData(std::string_view data) {
  bool negative = false;
  if (!data.empty() && (data.front() == '-' || data.front() == '+')) {
    negative = data.front() == '-';
    data.remove_prefix(1);
  }
  if (data.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : data) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
}

}  // namespace halvex::tools::errors
