#pragma once
// A scratch directory for one test, removed with everything in it.
#include <filesystem>
#include <string>

namespace testing_support {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Caps the size of files this process writes, as a full disk would, and
// lifts the cap (and the ignored SIGXFSZ) again when the scope ends.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(unsigned long bytes);
  ~TFileSizeLimit();
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

 private:
  unsigned long savedCurrent_;
  void (*savedHandler_)(int);
};

std::string ReadAll(const std::string& path);
// The device that reports a full disk on every write: a node of its own in
// `dir` where one may be made (so that a faulty writer replaces that node,
// not the system's), else /dev/full.
std::string FullDevice(const TempDir& dir);
void WriteAll(const std::string& path, const std::string& bytes);

}  // namespace testing_support
