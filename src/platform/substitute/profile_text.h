#pragma once
// The text of a profile file, read and changed as the system's profile calls do it, with every
// line the change does not concern kept byte for byte. Unlike the machine folder's own ini
// files nothing in such a file is an error:
//   - a line whose first non-blank character is "[" starts a section, named by the text up to
//     the last "]" (or the line's end), trimmed;
//   - in a section, a line with "=" is a key: the trimmed text before the first "=" is its name,
//     the trimmed text after it its value, and reading takes one pair of surrounding quotes
//     (" or ') off the value;
//   - blank lines, lines beginning with ";" and lines without "=" are no keys;
//   - lines before the first section belong to none.
// Section and key names compare without regard to ASCII case; the first of two same-named
// sections or keys is the one read and changed.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::platform::substitute {

std::vector<std::string> ProfileKeyNames(std::string_view text, std::string_view section);

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section,
                                        std::string_view key);

// The text with the key set to `value`: its line is rewritten "key=value" (in the key's
// spelling in the file), or a new line is added after the section's last key, or a new
// section at the end of the text. New lines end in CR LF.
std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

// The text without the key's line; the same text when there is no such key.
std::string WithoutProfileKey(std::string_view text, std::string_view section,
                              std::string_view key);

}  // namespace halvex::platform::substitute
