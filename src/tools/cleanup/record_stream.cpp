#include "tools/cleanup/record_stream.h"

namespace halvex::tools::cleanup {

TRecordStream::TRecordStream(std::string bytes, std::size_t recordSize)
    : bytes_(std::move(bytes)), recordSize_(recordSize == 0 ? 1 : recordSize) {}

std::optional<std::string_view> TRecordStream::Read() const {
  if (position_ + recordSize_ > bytes_.size()) return std::nullopt;
  return std::string_view(bytes_).substr(position_, recordSize_);
}

bool TRecordStream::Next() {
  if (CurrentRecord() >= RecordCount()) return false;
  position_ += recordSize_;
  return true;
}

void TRecordStream::Append(std::string_view record) {
  // Whole records only: a trailing partial record is overwritten, as it was never a record.
  bytes_.resize(RecordCount() * recordSize_);
  std::string whole(record.substr(0, recordSize_));
  whole.resize(recordSize_, '\0');
  bytes_ += whole;
}

}  // namespace halvex::tools::cleanup
