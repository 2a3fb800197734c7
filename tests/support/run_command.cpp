#include "support/run_command.h"

#include <sys/wait.h>

#include <cstdio>

namespace testing_support {

TCommandRun RunCommand(const std::string& command) {
  TCommandRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.Out.append(buffer, got);
  const int status = ::pclose(pipe);
  run.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace testing_support
