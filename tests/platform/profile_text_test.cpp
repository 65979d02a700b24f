// What only the substitute's profile files promise: a change rewrites the one line it concerns
// and leaves every other byte of the text as it was (comments, blank lines, line ends).
#include <gtest/gtest.h>

#include "platform/substitute/profile_text.h"

namespace halvex::platform::substitute {
namespace {

struct ChangeCase {
  const char* what;
  const char* before;
  bool write;  // WithProfileValue, else WithoutProfileKey
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

const ChangeCase kChanges[] = {
    {"a deleted key takes only its own line", "; c\r\n[Load]\r\nA=1\nb=2\r\n\r\n[Run]\r\n", false,
     "load", "a", "", "; c\r\n[Load]\r\nb=2\r\n\r\n[Run]\r\n"},
    {"a missing key leaves the text alone", "[Load]\r\nA=1\r\n", false, "Load", "B", "",
     "[Load]\r\nA=1\r\n"},
    {"a missing section leaves the text alone", "[Load]\r\nA=1\r\n", false, "Run", "A", "",
     "[Load]\r\nA=1\r\n"},
    {"a comment that looks like a key is no key", "[Load]\r\n;A=1\r\n", false, "Load", ";A", "",
     "[Load]\r\n;A=1\r\n"},
    {"a rewritten key keeps its spelling and its line end", "[Load]\n  Tray = old \nz=1\n", true,
     "LOAD", "tray", "new", "[Load]\nTray=new\nz=1\n"},
    {"a new key follows the section's last key, before blank lines",
     "[Load]\r\nA=1\r\n\r\n[Run]\r\n", true, "Load", "B", "2",
     "[Load]\r\nA=1\r\nB=2\r\n\r\n[Run]\r\n"},
    {"a section without keys gets its key below the header", "[Load]\r\n[Run]\r\n", true, "Load",
     "A", "1", "[Load]\r\nA=1\r\n[Run]\r\n"},
    {"a last line without its end gets one", "[Load]\r\nA=1", true, "Load", "B", "2",
     "[Load]\r\nA=1\r\nB=2\r\n"},
    {"a new section goes to the end", "[Load]\r\nA=1", true, "Run", "B", "2",
     "[Load]\r\nA=1\r\n[Run]\r\nB=2\r\n"},
    {"an empty text gets the section and the key", "", true, "Run", "B", "2", "[Run]\r\nB=2\r\n"},
    {"only the first section of a name changes", "[Load]\r\n[x]\r\n[load]\r\nA=1\r\n", true, "Load",
     "A", "2", "[Load]\r\nA=2\r\n[x]\r\n[load]\r\nA=1\r\n"},
};

TEST(ProfileText, ChangesRewriteOnlyTheirOwnLine) {
  for (const ChangeCase& change : kChanges) {
    const std::string after =
        change.write ? WithProfileValue(change.before, change.section, change.key, change.value)
                     : WithoutProfileKey(change.before, change.section, change.key);
    EXPECT_EQ(after, change.after) << change.what;
  }
}

TEST(ProfileText, ReadsWhatTheChangesWrote) {
  std::string text = "[Load]\r\nA=1\r\n";
  text = WithProfileValue(text, "Run", "Key", "a=b; c");
  EXPECT_EQ(ProfileValue(text, "Run", "Key"), "a=b; c") << "only the first '=' divides";
  text = WithoutProfileKey(text, "Run", "Key");
  EXPECT_EQ(ProfileValue(text, "Run", "Key"), std::nullopt);
  EXPECT_TRUE(ProfileKeyNames(text, "Run").empty());
  EXPECT_EQ(ProfileKeyNames(text, "Load"), std::vector<std::string>{"A"});
}

}  // namespace
}  // namespace halvex::platform::substitute
