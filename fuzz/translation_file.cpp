// Translation files from the fuzzer: merged into a small table, then the table
// is saved into the same file and read back. The table stays sorted, and after
// the save the file gives back exactly the saved table, whatever other lines
// it holds (for inputs too short for the 4095-byte cut, which makes loading
// see a long line's key field differently). A conversion error (a malformed
// tag of the owner) is expected. The file is also loaded through a
// translator component of owner "F", whose locale list is then rebuilt from
// the table's hexadecimal locale prefixes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "Lxv/Lexivar.h"
#include "Lxv/SortList.h"
#include "Lxv/TranslationFile.h"
#include "platform/base/exceptions.h"
#include "platform/base/text.h"
#include "platform/classes/component.h"

namespace {

// One scratch file per process, removed at exit; in memory where there is
// such a file system, since every save flushes the file to its device.
std::filesystem::path ScratchDirectory() {
  std::error_code ec;
  return std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
}

struct TScratchFile {
  const std::string path = (ScratchDirectory() / ("lxv-fuzz-" + std::to_string(::getpid()) + ".txt")).string();
  ~TScratchFile() {
    std::remove(path.c_str());
    std::remove((path + ".lock").c_str());  // left by every save
  }
};

const std::string& FilePath() {
  static const TScratchFile file;
  return file.path;
}

void FillTable(Lxv::TSortList& table) {
  for (const char* line : {"00000409_A=1", "00000409_A1=2", "00000409_B=x=y", "00000407_A="})
    table.SortInsert(line, nullptr);
}

void CheckSorted(const Lxv::TSortList& table) {
  for (int i = 1; i < table.Count(); ++i)
    if (platform::CompareStr(table.Strings(i - 1), table.Strings(i)) > 0) std::abort();
}

void CheckSavedTableReadsBack(const Lxv::TSortList& table, std::int32_t tag) {
  Lxv::TSortList back;
  if (!Lxv::LoadTranslationFile(back, "F", tag, FilePath())) std::abort();
  if (!back.Equals(table)) std::abort();
}

// Made once: a translator reads the locale catalogue when it is created.
Lxv::TLexivar& Translator() {
  static const platform::TOwned<platform::TComponent> owner = [] {
    platform::TOwned<platform::TComponent> form(new platform::TComponent(nullptr));
    form->SetName("F");
    new Lxv::TLexivar(form.get());
    return form;
  }();
  return *static_cast<Lxv::TLexivar*>(owner->Components(0));
}

void LoadThroughTranslator() {
  Lxv::TLexivar& translator = Translator();
  translator.Translations()->Clear();
  try {
    if (!translator.LoadFrom(FilePath())) std::abort();
  } catch (const platform::EConvertError&) {
  }
  CheckSorted(*translator.Translations());
  translator.UpdateLangList();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::ofstream(FilePath(), std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                      static_cast<std::streamsize>(size));
  for (std::int32_t tag : {0, -1}) {
    Lxv::TSortList table;
    FillTable(table);
    try {
      Lxv::LoadTranslationFile(table, "F", tag, FilePath());
    } catch (const platform::EConvertError&) {
    }
    CheckSorted(table);
  }
  LoadThroughTranslator();
  Lxv::TSortList table;
  FillTable(table);
  try {
    Lxv::SaveTranslationFile(table, "F", 0, FilePath());
  } catch (const platform::EConvertError&) {
    return 0;
  }
  if (size < 4000) CheckSavedTableReadsBack(table, 0);
  return 0;
}
