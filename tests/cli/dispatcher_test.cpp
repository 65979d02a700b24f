#include "cli/dispatcher.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace halvex::cli {
namespace {

// A machine that counts how often it is saved; the fake verbs never look into it.
class CountingMachine final : public Machine {
 public:
  CountingMachine(int& saves, std::optional<std::string> saveError)
      : saves_(saves), saveError_(std::move(saveError)) {}
  platform::Platform& platform() override { throw std::logic_error("no platform in this test"); }
  platform::PlatformClass platformClass() override { return platform::PlatformClass::NtFamily; }
  platform::ProcessRunner& processes() override {
    throw std::logic_error("no processes in this test");
  }
  std::optional<std::string> SaveChanges() override {
    ++saves_;
    return saveError_;
  }
  platform::ShellOperations& shell() override { throw std::logic_error("no shell in this test"); }
  platform::FileIdentities& identities() override {
    throw std::logic_error("no identities in this test");
  }
  platform::UrlCache& urlCache() override { throw std::logic_error("no URL cache in this test"); }
  platform::RecycleBin& recycleBin() override {
    throw std::logic_error("no Recycle Bin in this test");
  }
  platform::FolderOperations& folders() override {
    throw std::logic_error("no folders in this test");
  }

 private:
  int& saves_;
  std::optional<std::string> saveError_;
};

// One verb per answer, and one that changes the machine twice.
constexpr Verb kDone{.name = "done", .run = [](VerbCall&) { return VerbResult::Done; }};
constexpr Verb kNothingFound{.name = "nothing-found",
                             .run = [](VerbCall&) { return VerbResult::NothingFound; }};
constexpr Verb kFound{.name = "found", .run = [](VerbCall&) { return VerbResult::Found; }};
constexpr Verb kFailed{.name = "failed",
                       .run = [](VerbCall& call) { return call.Fail("it went wrong"); }};
constexpr Verb kChanges{.name = "changes", .run = [](VerbCall& call) {
                          call.MachineChanged();
                          call.MachineChanged();
                          return VerbResult::Done;
                        }};
constexpr Verb kRefused{.name = "refused",
                        .run = [](VerbCall& call) { return call.Refuse("it cannot be done so"); }};
constexpr const Verb* kVerbs[] = {&kDone, &kNothingFound, &kFound, &kFailed, &kChanges, &kRefused};

enum class Folder { Opens, Unreadable, CannotBeSaved };

struct Outcome {
  int exitCode = -1;
  int opens = 0;
  int saves = 0;
  std::string out, err;
};

std::string ReadBack(std::FILE* file) {
  std::rewind(file);
  std::string text;
  for (int c; (c = std::fgetc(file)) != EOF;) text.push_back(static_cast<char>(c));
  std::fclose(file);
  return text;
}

Outcome RunWith(const std::vector<std::string>& arguments, Folder folder) {
  Outcome run;
  const MachineOpener open = [&](const std::optional<std::string>& machineFolder)
      -> std::variant<std::unique_ptr<Machine>, std::string> {
    ++run.opens;
    if (folder == Folder::Unreadable) return machineFolder.value_or("live") + " cannot be read";
    std::optional<std::string> saveError;
    if (folder == Folder::CannotBeSaved) saveError = "registry.reg is read-only";
    return std::make_unique<CountingMachine>(run.saves, saveError);
  };
  Console console{std::tmpfile(), std::tmpfile()};
  run.exitCode = RunCommandLine(kVerbs, arguments, open, console);
  run.out = ReadBack(console.out);
  run.err = ReadBack(console.err);
  return run;
}

TEST(Dispatcher, AnswersOneVocabularyOfExitCodes) {
  struct Case {
    std::vector<std::string> arguments;
    Folder folder;
    int exitCode;
    const char* error;  // what standard error must hold; "" nothing
  };
  const Case cases[] = {
      {{"done"}, Folder::Opens, 0, ""},
      {{"nothing-found"}, Folder::Opens, 0, ""},
      {{"found"}, Folder::Opens, 1, ""},
      {{"failed"}, Folder::Opens, 1, "halvex-cli: it went wrong\n"},
      {{"refused"}, Folder::Opens, 2, "halvex-cli: it cannot be done so\n"},
      {{"changes"}, Folder::Opens, 0, ""},
      {{"changes"},
       Folder::CannotBeSaved,
       1,
       "halvex-cli: the changes could not be saved: registry.reg is read-only\n"},
      {{"done", "--machine", "m"}, Folder::Unreadable, 2, "halvex-cli: m cannot be read\n"},
      {{}, Folder::Opens, 2, "halvex-cli: no command given (try --help)\n"},
      {{"frobnicate"}, Folder::Opens, 2, "halvex-cli: unknown command 'frobnicate' (try --help)\n"},
      {{"done", "--section", "4"},
       Folder::Opens,
       2,
       "halvex-cli: done does not know '--section' (try --help)\n"},
      {{"done", "--json"},
       Folder::Opens,
       2,
       "halvex-cli: done does not know '--json' (try --help)\n"},
      {{"done", "--machine"},
       Folder::Opens,
       2,
       "halvex-cli: --machine needs a folder (try --help)\n"},
      {{"help"}, Folder::Opens, 0, ""},
      {{"help", "found"}, Folder::Opens, 0, ""},
      {{"found", "--help"}, Folder::Opens, 0, ""},
  };
  for (const Case& c : cases) {
    const std::string call = c.arguments.empty() ? "(nothing)" : c.arguments.front();
    const Outcome run = RunWith(c.arguments, c.folder);
    EXPECT_EQ(run.exitCode, c.exitCode) << call << "; standard error: " << run.err;
    EXPECT_EQ(run.err, c.error) << call;
  }
}

TEST(Dispatcher, OpensTheMachineOnceAndOnlyToRunAVerb) {
  EXPECT_EQ(RunWith({"done", "--machine", "m"}, Folder::Opens).opens, 1);
  EXPECT_EQ(RunWith({"help"}, Folder::Opens).opens, 0);
  EXPECT_EQ(RunWith({"done", "--help"}, Folder::Opens).opens, 0);
  EXPECT_EQ(RunWith({"done", "--bogus"}, Folder::Opens).opens, 0) << "a usage error runs nothing";
}

TEST(Dispatcher, SavesAChangedMachineOnceAndAnUnchangedOneNever) {
  EXPECT_EQ(RunWith({"changes"}, Folder::Opens).saves, 1) << "the verb changed it twice";
  for (const char* verb : {"done", "nothing-found", "found", "failed"}) {
    EXPECT_EQ(RunWith({verb}, Folder::Opens).saves, 0) << verb;
  }
}

TEST(Dispatcher, HelpIsBuiltFromTheRows) {
  const Outcome all = RunWith({"--help"}, Folder::Opens);
  for (const Verb* verb : kVerbs) {
    EXPECT_NE(all.out.find("\n  " + std::string(verb->name) + " [--machine DIR]"),
              std::string::npos)
        << verb->name << " is missing from:\n"
        << all.out;
  }
  const Outcome one = RunWith({"help", "found"}, Folder::Opens);
  EXPECT_TRUE(one.out.starts_with("Usage: halvex-cli found [--machine DIR]\n")) << one.out;
  EXPECT_EQ(one.out.find("nothing-found"), std::string::npos) << one.out;
  EXPECT_EQ(RunWith({"found", "--help"}, Folder::Opens).out, one.out);
}

}  // namespace
}  // namespace halvex::cli
