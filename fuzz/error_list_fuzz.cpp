// errorlist.txt. Whatever a line holds: the entry keeps its whole text after "||" as its
// actions, the actions come only from the text before the first "##" (a description never runs
// as an action), every action's value name and data are pieces of that text, and the rows are
// the file's runs of one name followed by the four built-in rows.
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/input_parts.h"
#include "platform/substitute/substitute_locale.h"
#include "tools/error_utilities/error_list.h"
#include "tools/error_utilities/error_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace halvex::tools::errors;
  static halvex::platform::substitute::SubstituteLocale locale;
  const std::string_view text = halvex::fuzz::AsText(data, size);
  const TErrorContents contents = ParseErrorList(text, locale);

  std::size_t runs = 0;
  const std::string* previous = nullptr;
  for (const TContent& entry : contents) {
    HALVEX_FUZZ_CHECK(entry.ErrorName.find(')') == std::string::npos, "the name holds its ')'");
    HALVEX_FUZZ_CHECK(text.find(entry.ErrorName + ")" + entry.ErrorKeyPath + "||" +
                                entry.ErrorActions) != std::string_view::npos,
                      "the entry is not a line of the file");
    const std::string_view actionText =
        std::string_view(entry.ErrorActions).substr(0, entry.ErrorActions.find("##"));
    for (const ErrorAction& action : ParseErrorActions(entry.ErrorActions)) {
      HALVEX_FUZZ_CHECK(actionText.find(action.valueName) != std::string_view::npos,
                        "a value name from outside the actions");
      HALVEX_FUZZ_CHECK(actionText.find(action.data) != std::string_view::npos,
                        "data from outside the actions");
      HALVEX_FUZZ_CHECK(action.operation == ErrorOperation::Nothing ||
                            actionText.find('$') != std::string_view::npos,
                        "an operation without its '$'");
    }
    if (previous == nullptr || *previous != entry.ErrorName) ++runs;
    previous = &entry.ErrorName;
  }
  HALVEX_FUZZ_CHECK(ErrorRows(contents).size() == runs + 4, "rows other than runs and built-ins");
  return 0;
}
