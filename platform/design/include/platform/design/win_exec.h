#pragma once
// Starting a program from a command line, as the operating system's WinExec
// does: the program runs on without being waited for.
#include <cstdint>
#include <string_view>

namespace platform {

// Show commands; windows are the program's own business here, so they are
// handed over only for the record.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;

// Results 31 and below mean failure.
constexpr std::uint32_t WINEXEC_OUT_OF_RESOURCES = 0;
constexpr std::uint32_t WINEXEC_FILE_NOT_FOUND = 2;
constexpr std::uint32_t WINEXEC_PATH_NOT_FOUND = 3;
constexpr std::uint32_t WINEXEC_BAD_FORMAT = 11;

// Splits `commandLine` at blanks and tabs (double quotes keep blanks inside),
// starts the first word, looked up on PATH when it has no slash, with the
// others as arguments and this process's environment, and returns at once:
// a value above 31 when it started, one of the failure values above
// otherwise (FILE_NOT_FOUND for an empty line too). Nothing is raised or
// reported. The program's exit is collected by a later call, so no ended
// program stays a zombie past it; the list of started programs is
// process-wide and not locked: one thread only.
std::uint32_t WinExec(std::string_view commandLine, int showCommand);

}  // namespace platform
