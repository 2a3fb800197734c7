// lxvdesign: a design environment. It loads one design package, calls its
// registration, and designs one form at a time from commands given on the
// command line, in a script file or typed at a prompt. Dialogs (the editors')
// meet the scriptable user, or, with a display and no script, a person in
// real windows (not with --headless); then the form designed is a window too.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "package_loader.h"
#include "platform/base/files.h"
#include "platform/base/host_generation.h"
#include "platform/forms/application.h"
#include "platform/forms/headless.h"
#if LXVDESIGN_WINDOWS
#include "platform/fltk/windowing.h"
#endif
#include "session.h"

namespace {

int Usage() {
  std::cerr << "usage: lxvdesign [--headless] -p PACKAGE [-c COMMAND]... [SCRIPT | -]\n"
               "  PACKAGE  a package file, or a name (LxvD4) looked up in the library folder\n"
               "  COMMAND  a design command; SCRIPT a file of them ('-': standard input)\n"
               "  Without commands or a script, commands are read from standard input.\n"
               "  With a display and no script the dialogs open as windows, unless --headless.\n"
               "  'lxvdesign -h' lists the commands.\n";
  return 2;
}

// No command is near this long; input without line breaks (a binary file
// given as the script) ends here instead of filling memory.
constexpr std::size_t kMaxCommandLine = 65536;

enum class TLine { Read, End, TooLong };

TLine ReadCommandLine(std::istream& in, std::string& line) {
  line.clear();
  for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
    if (c == '\n') return TLine::Read;
    if (line.size() == kMaxCommandLine) return TLine::TooLong;
    line.push_back(static_cast<char>(c));
  }
  return line.empty() ? TLine::End : TLine::Read;
}

bool RunEachLine(lxvdesign::TDesignSession& session, std::istream& in, const std::string& source, bool prompt) {
  std::string line;
  for (int number = 1;; ++number) {
    if (prompt) std::cout << "lxv> " << std::flush;
    const TLine read = ReadCommandLine(in, line);
    if (read == TLine::End) break;
    if (read == TLine::TooLong) {
      std::cerr << source << ":" << number << ": line longer than " << kMaxCommandLine << " bytes\n";
      return false;
    }
    try {
      session.Run(line);
    } catch (const std::exception& e) {
      std::cerr << source << ":" << number << ": " << e.what() << "\n";
      if (!prompt) return false;
    }
  }
  return true;
}

// Runs the lines of `in`; in a script every error ends the run, at a prompt
// the person goes on. An over-long line ends the run in both. Steps left for
// a dialog at the end are an error.
bool RunLines(lxvdesign::TDesignSession& session, std::istream& in, const std::string& source, bool prompt) {
  const bool ran = RunEachLine(session, in, source, prompt);
  try {
    session.Finish();
  } catch (const std::exception& e) {
    std::cerr << source << ": " << e.what() << "\n";
    return false;
  }
  return ran;
}

// Why a script file cannot be read, or "" when it can be opened.
std::string UnreadableReason(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::strerror(errno);
  if (S_ISDIR(info.st_mode)) return std::strerror(EISDIR);
  if (::access(path.c_str(), R_OK) != 0) return std::strerror(errno);
  return "";
}

#if LXVDESIGN_WINDOWS
// Standard input read while the windows go on answering a person (clicks on
// the form designed): the toolkit's loop runs until input arrives.
class TWindowedInput : public std::streambuf {
 protected:
  int_type underflow() override {
    platform::RunWindowsUntilReadable(STDIN_FILENO);
    ssize_t count = 0;
    do {
      count = ::read(STDIN_FILENO, buffer_, sizeof buffer_);
    } while (count < 0 && errno == EINTR);
    if (count <= 0) return traits_type::eof();
    setg(buffer_, buffer_, buffer_ + count);
    return traits_type::to_int_type(buffer_[0]);
  }

 private:
  char buffer_[4096];
};
#endif

bool RunStandardInput(lxvdesign::TDesignSession& session) {
  const bool prompt = isatty(STDIN_FILENO) != 0;
#if LXVDESIGN_WINDOWS
  if (platform::WindowsInUse()) {
    TWindowedInput buffer;
    std::istream in(&buffer);
    return RunLines(session, in, "stdin", prompt);
  }
#endif
  return RunLines(session, std::cin, "stdin", prompt);
}

}  // namespace

int main(int argc, char** argv) {
  std::string package;
  std::vector<std::string> commands;
  std::string script;
  bool headlessAsked = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--headless") {
      headlessAsked = true;
    } else if ((arg == "-p" || arg == "-c") && i + 1 < argc) {
      (arg == "-p" ? package : commands.emplace_back()) = argv[++i];
    } else if (arg == "-h" || arg == "--help") {
      lxvdesign::TDesignSession::PrintHelp(std::cout);
      return 0;
    } else if (script.empty() && (arg == "-" || arg[0] != '-')) {
      script = arg;
    } else {
      return Usage();
    }
  }
  if (package.empty()) return Usage();
  if (!script.empty() && script != "-") {
    if (const std::string reason = UnreadableReason(script); !reason.empty()) {
      std::cerr << "lxvdesign: cannot read " << script << ": " << reason << "\n";
      return 1;
    }
  }

  // Dialogs meet the scriptable user; its clock runs only while it waits.
  platform::THeadlessSession headless;
  lxvdesign::TDesignSession::RegisterStandardPage();
  try {
    const std::string bin = platform::ExtractFilePath(platform::Application().ExeName());
    std::string libDir = bin + LXVDESIGN_LIB_DIR;
    if (!platform::FileExists(libDir + "/lib" + package + ".so")) libDir = bin + "../lib";
    const lxvdesign::TLoadedPackage loaded = lxvdesign::LoadDesignPackage(package, libDir);
    std::cout << "Loaded " << loaded.Entry->Name << " (" << loaded.Entry->Description << ", host generation "
              << loaded.Entry->HostGeneration << ")\n";
  } catch (const std::exception& e) {
    std::cerr << "lxvdesign: " << e.what() << "\n";
    return 1;
  }

#if LXVDESIGN_WINDOWS
  // A script speaks to the scripted user; a person gets windows.
  if (script.empty()) platform::UseWindowsWhenDisplayed(headlessAsked);
#else
  (void)headlessAsked;
#endif
  lxvdesign::TDesignSession session(std::cout, headless.User());
  for (std::size_t i = 0; i < commands.size(); ++i) {
    try {
      session.Run(commands[i]);
    } catch (const std::exception& e) {
      std::cerr << "-c " << i + 1 << ": " << e.what() << "\n";
      return 1;
    }
  }
  if (script == "-" || (script.empty() && commands.empty()))
    return RunStandardInput(session) ? 0 : 1;
  if (script.empty()) {
    try {
      session.Finish();
    } catch (const std::exception& e) {
      std::cerr << "-c: " << e.what() << "\n";
      return 1;
    }
    return 0;
  }
  std::ifstream in(script);
  if (!in) {
    std::cerr << "lxvdesign: cannot read " << script << ": " << std::strerror(errno) << "\n";
    return 1;
  }
  return RunLines(session, in, script, false) ? 0 : 1;
}
