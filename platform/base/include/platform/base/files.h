#pragma once
// File names and whole-file access. The path delimiter is '/'.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

constexpr char PathDelim = '/';

// Limits of what the framework reads from files, each far above what such a
// file holds in use, so that a wrong or endless file (/dev/zero) ends in an
// error naming the file and the limit instead of an exhausted memory.
// Form files: the form reader, formconv, lxvtrans and the demo.
inline constexpr std::size_t kMaxFormFileBytes = std::size_t{64} << 20;
// Line lists (TStrings::LoadFromFile, hence translation files): bytes, and
// lines, whose overhead dwarfs a short line's bytes.
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{32} << 20;
inline constexpr std::size_t kMaxTextFileLines = std::size_t{1} << 20;
// One INI file of the settings store.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{1} << 20;

// True for an existing regular file (after following links), false for a
// directory or anything else.
bool FileExists(const std::string& fileName);

// Why a name is no regular file, to follow the name in a message: "not
// found", "is a directory", "is a device", "is a pipe" ...; empty for a
// regular file.
std::string NotAFileReason(const std::string& fileName);

// The directory part including its trailing '/', or "" when there is none.
std::string ExtractFilePath(const std::string& fileName);
// The part after the last '/'.
std::string ExtractFileName(const std::string& fileName);

// The whole content of a file. Raises EFOpenError
// `Cannot open file "PATH". <reason>`, and EFOpenError as well when the file
// holds more than maxBytes (which ends endless input such as /dev/zero).
std::string ReadFileBytes(const std::string& path, std::size_t maxBytes = static_cast<std::size_t>(-1));

// Replaces the file with `bytes` so that readers see either the old content
// or the new one: the data goes to a temporary file in the same directory,
// which is flushed and renamed over the target (the target's permission bits
// are kept). A chain of symbolic links is followed to the file it names,
// which is created when the last link dangles; the links stay. A device, a
// pipe or a terminal is written in place. A file the user may not write
// (no write permission, for the superuser too) is refused. On failure the old
// file is left as it was, the temporary is removed and EFCreateError
// `Cannot create file "PATH". <reason>` is raised. Once the rename is done
// the save has succeeded: the folder is then flushed too, but a failure of
// that flush is not reported (see platform/base/file_faults.h for the test
// seam that fails each of these system calls in turn).
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Makes SIGINT and SIGTERM remove the temporaries of the replacements under
// way (".NAME.XXXXXX" beside the target), then end the process as the signal
// would have. For programs that write files on the user's behalf.
void RemoveTemporariesOnSignal();

// An exclusive advisory lock (flock) on "TARGET.lock" beside the file a
// path names (links followed), held for the guard's life: processes that
// read, change and replace one file take it around the whole change, so
// that none works from content another is about to replace. The lock file
// stays: removing it would let a process that opened it just before lock an
// orphan while the next creates a new one. A path naming a device or pipe
// (written in place) takes no lock. Raises EFCreateError when the lock file
// cannot be created.
class TFileLock {
 public:
  explicit TFileLock(const std::string& path);
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace platform
