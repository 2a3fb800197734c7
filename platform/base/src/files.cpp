#include "platform/base/files.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <utility>

#include "platform/base/exceptions.h"
#include "platform/base/file_faults.h"

namespace platform {
namespace {

std::string Reason(int error) { return std::generic_category().message(error); }

[[noreturn]] void RaiseOpen(const std::string& path, int error) {
  throw EFOpenError("Cannot open file \"" + path + "\". " + Reason(error));
}

[[noreturn]] void RaiseCreate(const std::string& path, int error) {
  throw EFCreateError("Cannot create file \"" + path + "\". " + Reason(error));
}

// Every system call of a write passes the fault seam first, which may fail
// it as the system would: -1 and errno.
template <class Call>
auto Checked(TFileCall kind, Call call) -> decltype(call()) {
  if (const int error = TFileFaultInjector::Before(kind); error != 0) {
    errno = error;
    return -1;
  }
  return call();
}

// The descriptor is released even when closing reports an error, injected
// or not.
int CheckedClose(int fd) {
  const int error = TFileFaultInjector::Before(TFileCall::Close);
  const int result = ::close(fd);
  if (error == 0) return result;
  errno = error;
  return -1;
}

// Closes a descriptor on every exit path.
class TFileHandle {
 public:
  explicit TFileHandle(int fd) : fd_(fd) {}
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  ~TFileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  // Closes now so that a late write error (reported by close) is seen.
  int Close() { return CheckedClose(std::exchange(fd_, -1)); }

 private:
  int fd_;
};

// The temporaries that exist right now, for a signal handler to remove: it
// may only read memory that is fully written, so a slot's name is copied
// before its flag is raised, and the flag lowered before the name is reused.
struct TLiveTemporary {
  std::atomic<bool> Used{false};
  char Name[PATH_MAX];
};
static_assert(std::atomic<bool>::is_always_lock_free);
TLiveTemporary liveTemporaries[4];

TLiveTemporary* EnterLiveTemporary(const std::string& name) {
  if (name.size() >= PATH_MAX) return nullptr;
  for (TLiveTemporary& slot : liveTemporaries) {
    if (slot.Used.load(std::memory_order_acquire)) continue;
    std::memcpy(slot.Name, name.c_str(), name.size() + 1);
    slot.Used.store(true, std::memory_order_release);
    return &slot;
  }
  return nullptr;  // more replacements at once than slots: those are not cleaned up
}

extern "C" void RemoveTemporariesAndRaise(int signal) {
  for (TLiveTemporary& slot : liveTemporaries)
    if (slot.Used.load(std::memory_order_acquire)) ::unlink(slot.Name);
  // The handler was reset on entry and the signal is not blocked in it.
  ::raise(signal);
}

// Removes the temporary file unless the replacement went through.
class TTemporaryFile {
 public:
  TTemporaryFile() = default;
  // Makes the file from a mkstemp pattern and returns its descriptor, or -1
  // and errno. SIGINT and SIGTERM wait meanwhile, so that no file exists
  // that their handler does not know of.
  int Create(std::string pattern) {
    sigset_t held, previous;
    sigemptyset(&held);
    sigaddset(&held, SIGINT);
    sigaddset(&held, SIGTERM);
    ::pthread_sigmask(SIG_BLOCK, &held, &previous);
    const int fd = Checked(TFileCall::CreateTemporary, [&] { return ::mkostemp(pattern.data(), O_CLOEXEC); });
    const int error = errno;
    if (fd >= 0) {
      name_ = std::move(pattern);
      live_ = EnterLiveTemporary(name_);
    }
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = error;
    return fd;
  }
  TTemporaryFile(const TTemporaryFile&) = delete;
  TTemporaryFile& operator=(const TTemporaryFile&) = delete;
  ~TTemporaryFile() {
    if (!name_.empty()) ::unlink(name_.c_str());
    Leave();
  }
  const std::string& Name() const { return name_; }
  void Release() {
    name_.clear();
    Leave();
  }

 private:
  void Leave() {
    if (live_ != nullptr) live_->Used.store(false, std::memory_order_release);
    live_ = nullptr;
  }
  std::string name_;
  TLiveTemporary* live_ = nullptr;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t size = TFileFaultInjector::WriteSize(bytes.size());
    const ssize_t written = Checked(TFileCall::Write, [&] { return ::write(fd, bytes.data(), size); });
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The file a chain of symbolic links ends at, the link itself when it is
// none: the name to create when the last link dangles, or the path when it
// is no link at all. Too long a chain raises, as the system does.
std::string FollowLinks(const std::string& path) {
  constexpr int kMaxLinks = 40;  // the system's own limit
  std::string current = path;
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    char target[PATH_MAX];
    const ssize_t length = ::readlink(current.c_str(), target, sizeof target - 1);
    if (length <= 0) return current;
    const std::string link(target, static_cast<std::size_t>(length));
    current = link.front() == PathDelim ? link : ExtractFilePath(current) + link;
  }
  RaiseCreate(path, ELOOP);
}

// Whether the user may replace the file. The superuser passes every
// permission check, so a file that no one may write counts as read-only
// for it too.
bool MayWrite(const std::string& path, const struct stat& info) {
  return ::access(path.c_str(), W_OK) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// A device, pipe or terminal cannot be replaced: it is written as it is.
void WriteInPlace(const std::string& path, std::string_view bytes) {
  TFileHandle file(Checked(TFileCall::Open, [&] { return ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC); }));
  if (file.Get() < 0) RaiseCreate(path, errno);
  if (!WriteAll(file.Get(), bytes) || file.Close() != 0) RaiseCreate(path, errno);
}

// Makes the rename itself durable. It comes after the rename, so the new
// content is in place whatever happens here: a failure is not reported,
// since the caller could only conclude that the save failed, which it did
// not; what is lost is the guarantee that a power cut keeps the new name.
void SyncDirectory(const std::string& directory) {
  const char* name = directory.empty() ? "." : directory.c_str();
  TFileHandle dir(Checked(TFileCall::OpenFolder, [&] { return ::open(name, O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
  if (dir.Get() >= 0) Checked(TFileCall::FlushFolder, [&] { return ::fsync(dir.Get()); });
}

}  // namespace

bool FileExists(const std::string& fileName) {
  struct stat info {};
  return !fileName.empty() && ::stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string NotAFileReason(const std::string& fileName) {
  struct stat info {};
  if (::stat(fileName.c_str(), &info) != 0)
    return errno == ENOENT || errno == ENOTDIR ? "not found" : "cannot be examined: " + Reason(errno);
  if (S_ISREG(info.st_mode)) return {};
  if (S_ISDIR(info.st_mode)) return "is a directory";
  if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) return "is a device";
  if (S_ISFIFO(info.st_mode)) return "is a pipe";
  if (S_ISSOCK(info.st_mode)) return "is a socket";
  return "is no regular file";
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
  TFileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) RaiseOpen(path, errno);
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0) RaiseOpen(path, errno);
  if (S_ISDIR(info.st_mode)) RaiseOpen(path, EISDIR);

  std::string bytes;
  if (S_ISREG(info.st_mode)) bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), maxBytes));
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) RaiseOpen(path, errno);
    if (got == 0) return bytes;
    if (static_cast<std::size_t>(got) > maxBytes - bytes.size())
      throw EFOpenError("File \"" + path + "\" holds more than " + std::to_string(maxBytes) + " bytes");
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) RaiseCreate(path, errno);
  if (exists && S_ISDIR(existing.st_mode)) RaiseCreate(path, EISDIR);
  if (exists && !S_ISREG(existing.st_mode)) return WriteInPlace(path, bytes);
  if (exists && !MayWrite(path, existing)) RaiseCreate(path, EACCES);

  const std::string target = FollowLinks(path);
  const std::string directory = ExtractFilePath(target);
  std::string pattern = directory + "." + ExtractFileName(target) + ".XXXXXX";
  TTemporaryFile temporary;
  TFileHandle file(temporary.Create(pattern));
  if (file.Get() < 0) RaiseCreate(path, errno);

  // The replacement keeps the file's mode; a new file gets the usual mode,
  // not mkstemp's private 0600. (umask can only be read by setting it;
  // everything runs on one thread.)
  mode_t mode = existing.st_mode & 07777;
  if (!exists) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (Checked(TFileCall::SetMode, [&] { return ::fchmod(file.Get(), mode); }) != 0) RaiseCreate(path, errno);
  if (!WriteAll(file.Get(), bytes) || Checked(TFileCall::Flush, [&] { return ::fsync(file.Get()); }) != 0 ||
      file.Close() != 0) {
    RaiseCreate(path, errno);
  }
  if (Checked(TFileCall::Rename, [&] { return ::rename(temporary.Name().c_str(), target.c_str()); }) != 0)
    RaiseCreate(path, errno);
  temporary.Release();
  SyncDirectory(directory);
}

void RemoveTemporariesOnSignal() {
  for (const int signal : {SIGINT, SIGTERM}) {
    struct sigaction previous {};
    if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = RemoveTemporariesAndRaise;
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}

TFileLock::TFileLock(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return;
  const std::string lockName = FollowLinks(path) + ".lock";
  fd_ = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd_ < 0) RaiseCreate(lockName, errno);
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    const int error = errno;
    ::close(fd_);
    RaiseCreate(lockName, error);
  }
}

TFileLock::~TFileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace platform
