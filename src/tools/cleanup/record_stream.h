#pragma once
// TRecordStream: a file of fixed-size records without header or trailer, as the clean-up tools
// keep their lists (JunkFile.dat). The record count is the size divided by the record size; a
// trailing partial record is ignored.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace halvex::tools::cleanup {

class TRecordStream {
 public:
  // Over the whole bytes of a file.
  TRecordStream(std::string bytes, std::size_t recordSize);

  std::size_t RecordCount() const { return bytes_.size() / recordSize_; }
  // 1 for the first record.
  std::size_t CurrentRecord() const { return position_ / recordSize_ + 1; }
  // The record at the current position, without moving on; nullopt past the last record.
  std::optional<std::string_view> Read() const;
  void First() { position_ = 0; }
  // Moves to the next record; false ("Cannot read beyond end of file") on the last one.
  [[nodiscard]] bool Next();
  // Appends a record at the end: `record` cut or padded with zeros to the record size.
  void Append(std::string_view record);

  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::size_t recordSize_;
  std::size_t position_ = 0;
};

inline constexpr std::string_view kReadBeyondEnd = "Cannot read beyond end of file";

}  // namespace halvex::tools::cleanup
