// Every operation that writes a file, failed at each system call of its save
// in turn with each of the errors a real system gives: the old file stays as
// it was, no temporary is left, and the error names the file. A failure
// after the rename (flushing the folder) leaves the new file and no error.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>
#include <system_error>

#include "Lxv/Lexivar.h"
#include "formconv/formconv.h"
#include "lxv/lexivar_env.h"
#include "lxvtrans/form_tables.h"
#include "platform/base/exceptions.h"
#include "platform/base/file_faults.h"
#include "platform/base/files.h"
#include "platform/base/scope_exit.h"
#include "platform/classes/strings.h"
#include "platform/form_files/form_text.h"
#include "platform/settings/reg_ini_file.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using platform::TFileCall;
using platform::TFileFaultInjector;
using testing_support::ReadAll;

namespace {

constexpr int kErrors[] = {ENOSPC, EIO, EACCES};
// Writes are cut into pieces of this size, so a save of a few kilobytes
// makes several writes, each of which is failed in turn.
constexpr std::size_t kWriteChunk = 1024;

// Fault points (calls failed) and runs, over the whole program.
int totalPoints = 0;
int totalRuns = 0;

class TReportTotal : public ::testing::Environment {
  void TearDown() override {
    std::cout << "[ faults   ] " << totalPoints << " fault points, " << totalRuns << " faulty saves survived\n";
  }
};
[[maybe_unused]] const auto* const reportTotal = ::testing::AddGlobalTestEnvironment(new TReportTotal);

// A save: "" when it went through, else the message of the error the
// operation documents (any other exception fails the test).
using TSave = std::function<std::string()>;

template <class Error>
TSave Raising(std::function<void()> save) {
  return [save] {
    try {
      save();
    } catch (const Error& e) {
      return e.Message();
    }
    return std::string();
  };
}

// The lock file a translation file's save leaves beside it is no leftover.
std::set<std::string> Listing(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    if (entry.path().extension() != ".lock") names.insert(entry.path().string());
  return names;
}

void Restore(const std::string& target, const std::optional<std::string>& old) {
  if (old) testing_support::WriteAll(target, *old);
  else fs::remove(target);
}

std::string Describe(const std::vector<TFileCall>& calls, std::size_t n, int error) {
  return "call " + std::to_string(n) + " (" + platform::FileCallName(calls[n - 1]) + ") failing with " +
         std::generic_category().message(error);
}

class SaveFaults : public lxvtest::LexivarTest {
 protected:
  // Runs `save` once as it is, then failing at each of its calls with each
  // error, `target` put back as it was before each run.
  void ExpectEveryFaultSurvived(const std::string& what, const std::string& target, const TSave& save) {
    const std::optional<std::string> old =
        fs::exists(target) ? std::optional<std::string>(ReadAll(target)) : std::nullopt;
    const std::set<std::string> before = Listing(dir.Path());
    std::vector<TFileCall> calls;
    {
      const TFileFaultInjector counting(0, 0, kWriteChunk);
      ASSERT_EQ(save(), "") << what;
      calls = counting.Calls();
    }
    const std::string saved = ReadAll(target);
    ASSERT_NE(std::optional<std::string>(saved), old) << what << ": a save that changes nothing proves nothing";
    std::set<std::string> after = before;
    after.insert(target);
    const auto rename = std::find(calls.begin(), calls.end(), TFileCall::Rename);
    ASSERT_NE(rename, calls.end()) << what;
    const std::size_t renameAt = static_cast<std::size_t>(rename - calls.begin()) + 1;

    for (std::size_t n = 1; n <= calls.size(); ++n) {
      for (const int error : kErrors) {
        Restore(target, old);
        std::string message;
        bool fired = false;
        {
          const TFileFaultInjector fault(static_cast<int>(n), error, kWriteChunk);
          message = save();
          fired = fault.Fired();
        }
        const std::string at = what + ", " + Describe(calls, n, error);
        ASSERT_TRUE(fired) << at << ": the save made fewer calls than before";
        ++totalRuns;
        if (n > renameAt) {  // the new file is in place
          EXPECT_EQ(message, "") << at;
          EXPECT_EQ(ReadAll(target), saved) << at;
          EXPECT_EQ(Listing(dir.Path()), after) << at;
          continue;
        }
        EXPECT_NE(message.find("\"" + target + "\""), std::string::npos) << at << ": " << message;
        EXPECT_NE(message.find(std::generic_category().message(error)), std::string::npos) << at << ": " << message;
        EXPECT_EQ(fs::exists(target) ? std::optional<std::string>(ReadAll(target)) : std::nullopt, old) << at;
        EXPECT_EQ(Listing(dir.Path()), before) << at << ": a temporary was left";
      }
    }
    totalPoints += static_cast<int>(calls.size());
    std::cout << "[ faults   ] " << what << ": " << calls.size() << " fault points\n";
  }

  std::string Data(const std::string& name) const { return std::string(LXV_TEST_SOURCE_DIR) + "/lxvtrans/" + name; }

  testing_support::TempDir dir;
};

TEST_F(SaveFaults, StringListsAndForms) {
  platform::TStringList list;
  list.SetText("first\nsecond\n");
  const std::string file = dir.File("list.txt");
  ExpectEveryFaultSurvived("string list, new file", file,
                           Raising<platform::EFCreateError>([&] { list.SaveToFile(file); }));
  testing_support::WriteAll(file, "old lines\r\n");
  ExpectEveryFaultSurvived("string list", file, Raising<platform::EFCreateError>([&] { list.SaveToFile(file); }));

  platform::TForm* form = NewForm("SavedForm");
  NewLexivar(form);
  for (const bool asText : {false, true}) {
    const std::string formFile = dir.File(asText ? "form.txt" : "form.bin");
    testing_support::WriteAll(formFile, "old form");
    ExpectEveryFaultSurvived(asText ? "text form" : "binary form", formFile,
                             Raising<platform::EFCreateError>([&] { form->SaveToFile(formFile, asText); }));
  }
}

TEST_F(SaveFaults, TranslationFiles) {
  const std::string file = dir.File("trans.txt");
  testing_support::WriteAll(file, ReadAll(Data("orders_trans.txt")));
  platform::TForm* form = NewForm("MainForm");
  Lxv::TLexivar* lexivar = NewLexivar(form);
  ExpectEveryFaultSurvived("SaveTo", file, Raising<platform::EFCreateError>([&] { lexivar->SaveTo(file); }));

  // Written into a stream, the form saves only the translation file.
  testing_support::WriteAll(file, ReadAll(Data("orders_trans.txt")));
  lexivar->SetFileName(file);
  ExpectEveryFaultSurvived("Storage", file, Raising<platform::EFCreateError>([&] { lxvtest::WriteForm(*form); }));
}

// A save interrupted by SIGTERM or SIGINT leaves no temporary once the
// tools' handler is installed, and the process still ends by the signal.
TEST(SignalDuringSave, TheTemporaryIsRemoved) {
  for (const int signal : {SIGTERM, SIGINT}) {
    testing_support::TempDir dir;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      platform::RemoveTemporariesOnSignal();
      const TFileFaultInjector slow(0, 0, 1);  // one byte a write: long enough to be caught at it
      platform::WriteFileAtomically(dir.File("target.txt"), std::string(std::size_t{64} << 20, 'x'));
      ::_exit(0);
    }
    bool seen = false;
    for (int wait = 0; wait < 10000 && !seen; ++wait) {
      ::usleep(1000);
      seen = !fs::is_empty(dir.Path());
    }
    ::kill(child, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_TRUE(fs::is_empty(dir.Path())) << (*fs::directory_iterator(dir.Path())).path();
  }
}

TEST_F(SaveFaults, SettingsStore) {
  platform::SetSettingsDirectory(dir.Path().string());
  const platform::TScopeExit restore([] { platform::SetSettingsDirectory(""); });
  platform::TRegIniFile settings("Software\\Korvane");
  settings.WriteString("Lexivar", "Font", "Old Face");
  ExpectEveryFaultSurvived("settings store", settings.FileName(), Raising<platform::ERegistryException>([&] {
                             settings.WriteString("Lexivar", "Font", "New Face");
                           }));
}

TEST_F(SaveFaults, Tools) {
  const std::string textForm = dir.File("orders_form.txt");
  const std::string binaryForm = dir.File("orders_form.dfm");
  testing_support::WriteAll(textForm, ReadAll(Data("orders_form.txt")));
  testing_support::WriteAll(binaryForm, platform::FormContentToDocument(ReadAll(textForm)).Binary);

  // formconv, its status and standard error as a save's outcome.
  for (const std::string& out : {dir.File("converted.dfm"), dir.File("converted.txt")}) {
    testing_support::WriteAll(out, "old conversion");
    ExpectEveryFaultSurvived("formconv to " + out.substr(out.size() - 3), out, [&] {
      std::ostringstream errors;
      std::streambuf* const saved = std::cerr.rdbuf(errors.rdbuf());
      const platform::TScopeExit back([&] { std::cerr.rdbuf(saved); });
      const std::string input = out.ends_with(".dfm") ? textForm : binaryForm;
      std::string args[] = {"formconv", input, out};
      char* argv[] = {args[0].data(), args[1].data(), args[2].data()};
      const int status = FormconvMain(3, argv);
      return status == 0 ? std::string() : errors.str();
    });
  }

  std::ostringstream out;
  const std::string trans = dir.File("extracted.txt");
  testing_support::WriteAll(trans, ReadAll(Data("orders_trans.txt")));
  ExpectEveryFaultSurvived("lxvtrans extract", trans, Raising<platform::EFCreateError>([&] {
                             lxvtrans::ExtractTables(textForm, trans, out);
                           }));
  for (const std::string& formFile : {textForm, binaryForm}) {
    ExpectEveryFaultSurvived("lxvtrans inject into " + platform::ExtractFileName(formFile), formFile,
                             Raising<platform::EFCreateError>([&] {
                               lxvtrans::InjectTables(Data("orders_trans.txt"), formFile, formFile, out);
                             }));
  }
}

}  // namespace
