#include "platform/streaming/streams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/base/exceptions.h"

namespace platform {

std::int64_t TStream::Size() {
  const std::int64_t here = Position();
  const std::int64_t end = Seek(0, TSeekOrigin::soEnd);
  Seek(here, TSeekOrigin::soBeginning);
  return end;
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

std::string TStream::ReadRest() {
  std::string bytes(static_cast<std::size_t>(std::max<std::int64_t>(Remaining(), 0)), '\0');
  bytes.resize(Read(bytes.data(), bytes.size()));
  return bytes;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  const std::size_t n = pos_ >= data_.size() ? 0 : std::min(count, data_.size() - pos_);
  if (n != 0) std::memcpy(buffer, data_.data() + pos_, n);
  pos_ += n;
  return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  if (pos_ == data_.size()) {
    data_.append(static_cast<const char*>(buffer), count);
  } else {
    if (pos_ + count > data_.size()) data_.resize(pos_ + count);
    std::memcpy(data_.data() + pos_, buffer, count);
  }
  pos_ += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = static_cast<std::int64_t>(pos_);
  if (origin == TSeekOrigin::soEnd) base = static_cast<std::int64_t>(data_.size());
  const std::int64_t target = base + offset;
  if (target < 0) throw EStreamError("Seek before the start of a memory stream");
  pos_ = static_cast<std::size_t>(target);
  return target;
}

TFileStream::TFileStream(const std::string& path, TFileMode mode) : path_(path) {
  file_ = std::fopen(path.c_str(), mode == TFileMode::fmCreate ? "w+b" : "rb");
  if (file_ != nullptr) return;
  const std::string reason = std::strerror(errno);
  if (mode == TFileMode::fmCreate) throw EFCreateError("Cannot create file \"" + path + "\". " + reason);
  throw EFOpenError("Cannot open file \"" + path + "\". " + reason);
}

TFileStream::~TFileStream() { std::fclose(file_); }

std::size_t TFileStream::Read(void* buffer, std::size_t count) { return std::fread(buffer, 1, count, file_); }

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
  return std::fwrite(buffer, 1, count, file_);
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET : origin == TSeekOrigin::soCurrent ? SEEK_CUR : SEEK_END;
  if (fseeko(file_, static_cast<off_t>(offset), whence) != 0) throw EStreamError("Cannot seek in \"" + path_ + "\"");
  return static_cast<std::int64_t>(ftello(file_));
}

}  // namespace platform
