#include "platform/design/win_exec.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/base/text.h"

extern char** environ;

namespace platform {

namespace {

std::uint32_t FailureOf(int error) {
  switch (error) {
    case ENOENT: return WINEXEC_FILE_NOT_FOUND;
    case ENOTDIR: return WINEXEC_PATH_NOT_FOUND;
    case ENOEXEC:
    case EACCES: return WINEXEC_BAD_FORMAT;
    default: return WINEXEC_OUT_OF_RESOURCES;
  }
}

// Programs started earlier that have ended are reaped here, so that none is
// left a zombie without anyone waiting for a running one.
std::vector<pid_t>& Started() {
  static std::vector<pid_t> started;
  return started;
}

void ReapEnded() {
  std::vector<pid_t>& started = Started();
  std::erase_if(started, [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

}  // namespace

std::uint32_t WinExec(std::string_view commandLine, int /*showCommand*/) {
  ReapEnded();
  std::vector<std::string> words = SplitQuotedWords(commandLine).Words;
  if (words.empty()) return WINEXEC_FILE_NOT_FOUND;
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  // posix_spawnp reports a program that cannot be started as its result.
  const int error = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
  if (error != 0) return FailureOf(error);
  Started().push_back(pid);
  return 33;
}

}  // namespace platform
