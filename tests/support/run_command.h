#pragma once
// Running a program as a user runs it from a shell.
#include <string>

namespace testing_support {

struct TCommandRun {
  int Exit = -1;    // -1 when the command did not exit normally
  std::string Out;  // what it wrote to standard output
};

// Runs `command` through the shell and reads its standard output whole.
TCommandRun RunCommand(const std::string& command);

}  // namespace testing_support
