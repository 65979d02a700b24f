#pragma once
// The text rules by which the file reference checks take registry data apart, and the plain
// text tests built on them. Paths are 8-bit texts; a folder ends at the last "\" or ":".
#include <cstddef>
#include <string>
#include <string_view>

namespace halvex::model {

// The longest text that IsValidNameText accepts, in characters.
inline constexpr std::size_t kMaxNameTextLength = 260;

// Forbidden in a plausible file path, in this order: % / * ? " < > | ; ,
inline constexpr std::string_view kForbiddenPathCharacters = "%/*?\"<>|;,";
// Forbidden in a name text, in this order: / * ? " < > | ; . + - & @ ! , %
inline constexpr std::string_view kForbiddenNameCharacters = "/*?\"<>|;.+-&@!,%";
// Where a plausible file path may begin: any two consecutive characters of this text. The
// lower-case half has a semicolon after the o, so "o:" does not qualify while "O:" does; that
// is how the program has always behaved, and exclusions rely on what it reports.
inline constexpr std::string_view kDriveLetterList =
    "a:b:c:d:e:f:g:h:i:j:k:l:m:n:o;p:q:r:s:t:u:v:w:x:y:z:"
    "A:B:C:D:E:F:G:H:I:J:K:L:M:N:O:P:Q:R:S:T:U:V:W:X:Y:Z:";

// Everything up to and including the last "\" or ":"; empty when there is neither.
std::string_view FolderPart(std::string_view text);
// Everything after the last "\" or ":"; the whole text when there is neither.
std::string_view FileNamePart(std::string_view text);
// From the last "." after the last "\" or ":" to the end, dot included; empty without one.
std::string_view ExtensionPart(std::string_view text);

// True when both the file name and the extension are non-empty.
bool HasNameAndExtension(std::string_view text);
// True for at most 260 characters without any forbidden name character. A dot is forbidden,
// so a text naming a file with an extension never passes: the test accepts folder names.
bool IsValidNameText(std::string_view text);
// True without a ":"; otherwise true when the text after the first ":", less the text's last
// character, holds no further ":" (a colon at the very end is tolerated).
bool HasSingleColon(std::string_view text);
// Whether the text can be a file path worth testing: no forbidden characters, a file name and
// an extension, a single colon, and a drive letter and colon at its start. Double quotes count
// as blanks, so a quoted path does not pass.
bool IsPlausibleFilePath(std::string_view text);
// The folder and the name joined by exactly one "\" when the folder has none at the end of its
// trimmed length.
std::string JoinFolderAndName(std::string_view folder, std::string_view name);

}  // namespace halvex::model
