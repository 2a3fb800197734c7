#include "platform/base/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <system_error>
#include <utility>

#include "platform/base/exceptions.h"

namespace platform {
namespace {

std::string Reason(int error) { return std::generic_category().message(error); }

[[noreturn]] void RaiseOpen(const std::string& path, int error) {
  throw EFOpenError("Cannot open file \"" + path + "\". " + Reason(error));
}

[[noreturn]] void RaiseCreate(const std::string& path, int error) {
  throw EFCreateError("Cannot create file \"" + path + "\". " + Reason(error));
}

// Closes a descriptor on every exit path.
class FileHandle {
 public:
  explicit FileHandle(int fd) : fd_(fd) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now so that a late write error (reported by close) is seen.
  int Close() { return ::close(std::exchange(fd_, -1)); }

 private:
  int fd_;
};

// Removes the temporary file unless the replacement went through.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string name) : name_(std::move(name)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!name_.empty()) ::unlink(name_.c_str());
  }
  const std::string& name() const { return name_; }
  void Release() { name_.clear(); }

 private:
  std::string name_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Follows a symbolic link so that the file it names is replaced, not the link.
std::string ResolveTarget(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// Makes the rename itself durable; failure here cannot undo the replacement.
void SyncDirectory(const std::string& directory) {
  FileHandle dir(::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

bool FileExists(const std::string& fileName) {
  struct stat info {};
  return !fileName.empty() && ::stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string ExtractFilePath(const std::string& fileName) {
  const std::size_t slash = fileName.rfind(PathDelim);
  return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& fileName) {
  const std::size_t slash = fileName.rfind(PathDelim);
  return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

std::string ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) RaiseOpen(path, errno);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) RaiseOpen(path, errno);
  if (S_ISDIR(info.st_mode)) RaiseOpen(path, EISDIR);

  std::string bytes;
  if (S_ISREG(info.st_mode)) bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), maxBytes));
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) RaiseOpen(path, errno);
    if (got == 0) return bytes;
    if (static_cast<std::size_t>(got) > maxBytes - bytes.size())
      throw EFOpenError("File \"" + path + "\" holds more than " + std::to_string(maxBytes) + " bytes");
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = ResolveTarget(path);
  const std::string directory = ExtractFilePath(target);
  std::string pattern = directory + "." + ExtractFileName(target) + ".XXXXXX";
  FileHandle file(::mkostemp(pattern.data(), O_CLOEXEC));
  if (file.get() < 0) RaiseCreate(path, errno);
  TemporaryFile temporary(pattern);

  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    ::fchmod(file.get(), existing.st_mode & 07777);
  } else {
    // A new file gets the usual mode, not mkstemp's private 0600. (umask can
    // only be read by setting it; everything runs on one thread.)
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(file.get(), 0666 & ~mask);
  }
  if (!WriteAll(file.get(), bytes) || ::fsync(file.get()) != 0 || file.Close() != 0) {
    RaiseCreate(path, errno);
  }
  if (::rename(temporary.name().c_str(), target.c_str()) != 0) RaiseCreate(path, errno);
  temporary.Release();
  SyncDirectory(directory);
}

}  // namespace platform
