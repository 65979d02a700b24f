#include "tools/junk_files/junk_types.h"

#include <algorithm>

#include "platform/text_lines.h"
#include "tools/cleanup/record_stream.h"

namespace halvex::tools::junk_files {
namespace {

// Each line is the pattern, ",", blanks and the description; "chklist.*" occurs twice.
constexpr std::string_view kDefaultLines[] = {
    "*.swp,  Temporary Junk Files",
    "*.$$$,  Temporary Junk Files",
    "*.~*,  Temporary Junk Files",
    "*.___,  Temporary Junk Files",
    "*.^,  Temporary Junk Files",
    "*.tmp,  Temporary Junk Files",
    "*.temp,  Temporary Junk Files",
    "*.---,  Temporary Junk Files",
    "~*.*,  Temporary Junk Files",
    "*.??~,  Temporary Junk Files",
    "*.db$,  Temporary Files (Database)",
    "*.nch,  Temporary Files created by Outlook Express",
    "*.pch,  Visual Studio Temporary Files",
    "*.ncb,  Visual Studio Temporary Files",
    "*.ilk,  Visual Studio Temporary Files",
    "*.exp,  Visual Studio Temporary Files",
    "*.ilc,  C++ Builder Temporary Files",
    "*.ild,  C++ Builder Temporary Files",
    "*.ils,  C++ Builder Temporary Files",
    "*.ilf,  C++ Builder Temporary Files",
    "*.tds,  C++ Builder Temporary Files",
    "iebak.dat,  Internet Explorer Junk File",
    "ffastun.*,  Microsoft Find Fast Indexer File",
    "chklist.*,  Microsoft Junk File",
    "*.sik,  junk files...",
    "*.gid,  Windows Help Index Files",
    "*.fts,  Word List File of *.HLP",
    "*.ftg,  Word List File of *.HLP",
    "*.err,  Error Files",
    "*.dmp,  Memory Dump - Junk Files",
    "*.chk,  CHKDSK Log Files",
    "chklist.*,  CHKDSK Log Files",
    "file????._dd,  CHKDSK Log Files",
    "*.diz,  Description Files",
    "*.log,  Log File",
    "*.prv,  Backup Files",
    "*.old,  Backup Files",
    "*.bak,  Backup Files",
    "*.nu3,  Symantec Norton Utilities Backup File",
    "system.1st,  Windows diagnostic Registry file",
    "suhdlog.dat,  Windows diagnostic file",
    "modemdet.txt, Windows diagnostic file",
    "twain???.mtx,  TWAIN Temporary file",
    "thumbs.db,  ThumbNails created by Windows",
    "mscreate.dir,  Microsoft Temporary Installation Files",
    "*.wri,  Readme Files",
    "readme.txt,  Readme Files",
};

// The pattern is the text before the first ","; the description is the line with every
// occurrence of the pattern followed by "," removed, trimmed of blanks.
JunkType FromDefaultLine(std::string_view line) {
  JunkType type;
  type.pattern = std::string(line.substr(0, line.find(',')));
  std::string rest(line);
  const std::string cut = type.pattern + ",";
  for (std::size_t at; (at = rest.find(cut)) != std::string::npos;) rest.erase(at, cut.size());
  type.description = platform::TrimBlanksAndTabs(rest);
  return type;
}

std::string TextField(std::string_view record, std::size_t offset) {
  const std::size_t length =
      std::min<std::size_t>(static_cast<unsigned char>(record[offset]), kJunkTextMax);
  return std::string(record.substr(offset + 1, length));
}

void PutTextField(std::string& record, std::size_t offset, std::string_view text) {
  const std::size_t length = std::min(text.size(), kJunkTextMax);
  record[offset] = static_cast<char>(length);
  std::copy_n(text.begin(), length, record.begin() + static_cast<std::ptrdiff_t>(offset) + 1);
}

}  // namespace

std::vector<JunkType> CreateDefaultJunkTypes() {
  std::vector<JunkType> types;
  for (std::string_view line : kDefaultLines) types.push_back(FromDefaultLine(line));
  return types;
}

std::vector<JunkType> ReadJunkFile(std::string_view bytes) {
  cleanup::TRecordStream stream{std::string(bytes), kJunkRecordSize};
  std::vector<JunkType> types;
  if (stream.RecordCount() == 0) return types;
  do {
    const std::string_view record = *stream.Read();
    types.push_back({.checked = record[0] != 0,
                     .pattern = TextField(record, 1),
                     .description = TextField(record, 102)});
  } while (stream.Next());
  return types;
}

std::string WriteJunkFile(const std::vector<JunkType>& types) {
  cleanup::TRecordStream stream{{}, kJunkRecordSize};
  for (const JunkType& type : types) {
    std::string record(kJunkRecordSize, '\0');
    record[0] = type.checked ? 1 : 0;
    PutTextField(record, 1, type.pattern);
    PutTextField(record, 102, type.description);
    stream.Append(record);
  }
  return stream.bytes();
}

std::string JunkFilePath(platform::FileSystem& files) {
  return files.ProgramFolder() + std::string(kJunkFileName);
}

std::optional<std::vector<JunkType>> LoadJunkTypes(platform::FileSystem& files) {
  const std::string path = JunkFilePath(files);
  if (!files.FileExists(path)) {
    std::vector<JunkType> defaults = CreateDefaultJunkTypes();
    (void)SaveJunkTypes(files, defaults);  // the list is usable even when the file is not
    return defaults;
  }
  const std::optional<std::string> bytes = files.ReadFile(path);
  if (!bytes) return std::nullopt;
  return ReadJunkFile(*bytes);
}

bool SaveJunkTypes(platform::FileSystem& files, const std::vector<JunkType>& types) {
  const std::string path = JunkFilePath(files);
  const std::string temporary = files.ProgramFolder() + "JunkFile.tmp";
  if (!files.WriteFile(temporary, WriteJunkFile(types))) return false;
  if (files.ReplaceFile(temporary, path)) return true;
  (void)files.DeleteFile(temporary);
  return false;
}

}  // namespace halvex::tools::junk_files
