#include "support/temp_dir.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <fstream>
#include <random>
#include <sstream>

namespace testing_support {

TempDir::TempDir() {
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() / ("lxv-test-" + std::to_string(rd()) + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string FullDevice(const TempDir& dir) {
  const std::string node = dir.File("full");
  return ::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0 ? node : "/dev/full";
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace testing_support
