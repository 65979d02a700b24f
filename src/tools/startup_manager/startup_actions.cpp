#include "tools/startup_manager/startup_actions.h"

#include "model/key_naming.h"
#include "tools/startup_manager/startup_values.h"

namespace halvex::tools::startup_manager {
namespace {

using platform::RegStatus;

// Paths name one file whatever the case of their letters.
bool SamePath(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 0x20) : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The name below the del folder for a copy of `file`: its own name when free, otherwise with
// a number before the extension ("tray_2.lnk"), so that two startup files of one name both
// survive. A name is taken while a file or a del.txt line holds it.
std::string FreeCopyPath(platform::FileSystem& files, const StartupBackupPaths& paths,
                         const LineFile& delTxt, const std::string& file) {
  const std::size_t slash = file.find_last_of("\\/");
  const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  const std::string extension = stem.size() == name.size() ? "" : name.substr(stem.size());
  const auto taken = [&](const std::string& path) {
    if (files.FileExists(path) || files.FolderExists(path)) return true;
    for (const std::string& line : delTxt.lines()) {
      const std::optional<FolderLine> parsed = ParseFolderLine(line);
      if (parsed && SamePath(parsed->copyPath, path)) return true;
    }
    return false;
  };
  std::string candidate = paths.delFolder + "\\" + name;
  for (int number = 2; taken(candidate); ++number) {
    candidate = paths.delFolder + "\\" + stem + "_" + std::to_string(number) + extension;
  }
  return candidate;
}

// A startup-folder file into the del folder, its line into del.txt, then the original away.
ActionOutcome BackUpAndDeleteFile(platform::FileSystem& files, const StartupBackupPaths& paths,
                                  const std::string& file, bool disabled) {
  LineFile delTxt(paths.delTxt);
  delTxt.Load(files);
  const std::string copy = FreeCopyPath(files, paths, delTxt, file);
  const FolderLine record{file, copy, disabled};
  if (!FitsFolderLine(record)) return ActionOutcome::NotDone(reason::kNoLineHoldsFile);
  if (!files.CopyFile(file, copy, true)) return ActionOutcome::NotDone(reason::kCopyFailed);
  const std::string line = FormatFolderLine(record);
  delTxt.Append(line);
  if (!delTxt.Save(files)) {
    (void)files.DeleteFile(copy);
    return ActionOutcome::NotDone(reason::kLineNotSaved);
  }
  if (!files.DeleteFile(file)) {
    delTxt.RemoveFirst(line);
    if (delTxt.Save(files)) (void)files.DeleteFile(copy);
    return ActionOutcome::NotDone(reason::kFileNotDeleted);
  }
  return ActionOutcome::Done();
}

std::string FullKeyName(const StartupEntry& entry) {
  return model::RootKeyName(entry.root) + "\\" + entry.keyPath;
}

// A live Run value's line into `lineFile`, then the value out of its key; the line goes again
// when the value stays.
ActionOutcome RecordAndDeleteValue(platform::Platform& platform, const std::string& lineFile,
                                   const StartupEntry& entry) {
  if (!IsStringType(entry.valueType)) return ActionOutcome::NotDone(reason::kNotAString);
  platform::Registry& registry = platform.registry;
  platform::KeyHandle key;
  if (registry.OpenKey(platform::RootHandle(entry.root), entry.keyPath,
                       platform::KeyAccess::ReadWrite, key) != RegStatus::Ok) {
    return ActionOutcome::NotDone(reason::kKeyMissing);
  }
  platform::ScopedKey open(registry, key);
  // The line holds the value as it is now, which the row showed unless it changed meanwhile.
  platform::RegValue value;
  if (platform::ReadWholeValue(registry, key, entry.valueName, value) != RegStatus::Ok) {
    return ActionOutcome::NotDone(reason::kValueGone);
  }
  if (!IsStringType(value.type)) return ActionOutcome::NotDone(reason::kNotAString);
  const RegistryLine record{FullKeyName(entry), entry.valueName, ValueText(value)};
  if (!FitsRegistryLine(record)) return ActionOutcome::NotDone(reason::kNoLineHoldsIt);

  LineFile lines(lineFile);
  lines.Load(platform.files);
  const std::string line = FormatRegistryLine(record);
  lines.Append(line);
  if (!lines.Save(platform.files)) return ActionOutcome::NotDone(reason::kLineNotSaved);
  platform::RegValue after;
  if (registry.DeleteValue(key, entry.valueName) != RegStatus::Ok ||
      registry.QueryValue(key, entry.valueName, 0, after) != RegStatus::NotFound) {
    lines.RemoveFirst(line);
    (void)lines.Save(platform.files);
    return ActionOutcome::NotDone(reason::kValueNotDeleted);
  }
  return ActionOutcome::Done();
}

// The value of a line written back into its key, which must still be there; a text with "%"
// comes back expandable.
ActionOutcome WriteBackRegistryEntry(platform::Registry& registry, const std::string& line,
                                     const std::string& valueName, const std::string& data) {
  const std::optional<RegistryLine> parsed = ParseRegistryLine(line);
  if (!parsed) return ActionOutcome::NotDone(reason::kKeyMissing);
  const model::SplitKeyPath split = model::SplitFullKeyPath(parsed->fullKeyName);
  platform::KeyHandle key;
  if (split.root == platform::RootKey::None || split.absolutePath.empty() ||
      registry.OpenKey(platform::RootHandle(split.root), split.absolutePath.substr(1),
                       platform::KeyAccess::ReadWrite, key) != RegStatus::Ok) {
    return ActionOutcome::NotDone(reason::kKeyMissing);
  }
  platform::ScopedKey open(registry, key);
  const std::vector<std::uint8_t> bytes = StringData(data);
  if (registry.SetValue(key, valueName, WriteBackType(data), bytes) != RegStatus::Ok) {
    return ActionOutcome::NotDone(reason::kValueNotWritten);
  }
  return ActionOutcome::Done();
}

// Takes the line out of its file; the entry is back, so a line that stays is only untidy.
void RemoveBackupLine(platform::FileSystem& files, const std::string& file,
                      const std::string& line) {
  LineFile lines(file);
  lines.Load(files);
  lines.RemoveFirst(line);
  (void)lines.Save(files);
}

// A copy back to its startup path; the copy and its line go only when that worked.
ActionOutcome PutCopyBack(platform::FileSystem& files, const StartupBackupPaths& paths,
                          const std::string& copy, const std::string& startupPath,
                          const std::string& line) {
  if (!files.CopyFile(copy, startupPath, false)) {
    return ActionOutcome::NotDone(reason::kCopyBackFailed);
  }
  (void)files.DeleteFile(copy);
  RemoveBackupLine(files, paths.delTxt, line);
  return ActionOutcome::Done();
}

}  // namespace

ActionOutcome DisableEntry(platform::Platform& platform, const StartupBackupPaths& paths,
                           const StartupEntry& entry) {
  switch (entry.kind) {
    case EntryKind::FolderFile:
      return BackUpAndDeleteFile(platform.files, paths, entry.file, true);
    case EntryKind::RunValue:
      return RecordAndDeleteValue(platform, paths.startupDat, entry);
    case EntryKind::WinIniKey:
      return ActionOutcome::NotDone(reason::kWinIniNotDisabled);
    case EntryKind::DisabledFolderFile:
    case EntryKind::DisabledRunValue:
      break;
  }
  return ActionOutcome::NotDone(reason::kAlreadyDisabled);
}

ActionOutcome EnableEntry(platform::Platform& platform, const StartupBackupPaths& paths,
                          const StartupEntry& entry) {
  switch (entry.kind) {
    case EntryKind::DisabledFolderFile:
      return PutCopyBack(platform.files, paths, entry.copy, entry.file, entry.line);
    case EntryKind::DisabledRunValue: {
      ActionOutcome written =
          WriteBackRegistryEntry(platform.registry, entry.line, entry.valueName, entry.data);
      if (written.done) RemoveBackupLine(platform.files, paths.startupDat, entry.line);
      return written;
    }
    case EntryKind::FolderFile:
    case EntryKind::RunValue:
    case EntryKind::WinIniKey:
      break;
  }
  return ActionOutcome::NotDone(reason::kNotDisabled);
}

ActionOutcome RemoveEntry(platform::Platform& platform, const StartupBackupPaths& paths,
                          const StartupEntry& entry) {
  platform::FileSystem& files = platform.files;
  switch (entry.kind) {
    case EntryKind::FolderFile:
      return BackUpAndDeleteFile(files, paths, entry.file, false);
    case EntryKind::DisabledFolderFile: {
      // The disabled line becomes a removed one, at the end of del.txt.
      LineFile delTxt(paths.delTxt);
      delTxt.Load(files);
      if (!delTxt.RemoveFirst(entry.line)) return ActionOutcome::NotDone(reason::kLineNotSaved);
      delTxt.Append(FormatFolderLine({entry.file, entry.copy, false}));
      if (!delTxt.Save(files)) return ActionOutcome::NotDone(reason::kLineNotSaved);
      return ActionOutcome::Done();
    }
    case EntryKind::RunValue:
      return RecordAndDeleteValue(platform, paths.removeStartupDat, entry);
    case EntryKind::DisabledRunValue: {
      // First into removestartup.dat, then out of startup.dat: the line is never in neither.
      LineFile removed(paths.removeStartupDat);
      removed.Load(files);
      removed.Append(entry.line);
      if (!removed.Save(files)) return ActionOutcome::NotDone(reason::kLineNotSaved);
      LineFile disabled(paths.startupDat);
      disabled.Load(files);
      disabled.RemoveFirst(entry.line);
      if (!disabled.Save(files)) {
        removed.RemoveFirst(entry.line);
        (void)removed.Save(files);
        return ActionOutcome::NotDone(reason::kLineNotSaved);
      }
      return ActionOutcome::Done();
    }
    case EntryKind::WinIniKey:
      if (!platform.profiles.DeleteKey(platform::kWinIni, entry.section, entry.name)) {
        return ActionOutcome::NotDone(reason::kWinIniNotDeleted);
      }
      return ActionOutcome::Done();
  }
  return ActionOutcome::NotDone(reason::kNotDisabled);
}

ActionOutcome RestoreEntry(platform::Platform& platform, const StartupBackupPaths& paths,
                           const RestorableEntry& entry) {
  if (entry.kind == RestoreKind::File) {
    return PutCopyBack(platform.files, paths, entry.info, entry.name,
                       FormatFolderLine({entry.name, entry.info, false}));
  }
  ActionOutcome written =
      WriteBackRegistryEntry(platform.registry, entry.line, entry.name, entry.info);
  if (written.done) RemoveBackupLine(platform.files, paths.removeStartupDat, entry.line);
  return written;
}

}  // namespace halvex::tools::startup_manager
