#pragma once
// Byte streams the filer reads and writes: memory and files.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/rtti/object.h"

namespace platform {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Both return how many bytes were moved, which is less than count at the end.
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  virtual std::int64_t Size();
  std::int64_t Remaining() { return Size() - Position(); }

  // Raise EReadError / EWriteError when not every byte could be moved.
  void ReadBuffer(void* buffer, std::size_t count);
  void WriteBuffer(const void* buffer, std::size_t count);
  void WriteBuffer(std::string_view bytes) { WriteBuffer(bytes.data(), bytes.size()); }
  // Everything from the current position to the end.
  std::string ReadRest();
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string data) : data_(std::move(data)) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }

  const std::string& Data() const { return data_; }
  void Clear() { data_.clear(); pos_ = 0; }

 private:
  std::string data_;
  std::size_t pos_ = 0;
};

enum class TFileMode { fmOpenRead, fmCreate };

// fmCreate truncates or creates the file; a file that must be replaced
// whole should go through WriteFileAtomically instead.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& path, TFileMode mode);  // EFOpenError / EFCreateError
  ~TFileStream() override;

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  const std::string& FileName() const { return path_; }

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
};

}  // namespace platform
