// Malformed binary form data: every fault is a read error naming the offset,
// never a crash, a hang or an allocation the input does not justify.
#include <gtest/gtest.h>

#include "platform/forms/application.h"
#include "platform/base/exceptions.h"
#include "platform/forms/form.h"
#include "platform/form_files/form_text.h"
#include "platform/classes/reader.h"
#include "platform/streaming/streams.h"
#include "support/form_vectors.h"
#include "support/vec_classes.h"

using namespace platform;
using lxvtest::FormFixture;

namespace {

std::string ErrorOf(const std::string& bytes, int generation = 4) {
  try {
    DecodeBinaryForm(bytes, generation);
  } catch (const EReadError& e) {
    return e.what();
  }
  return "no error";
}

std::string Form(const std::string& properties) {
  return std::string("TPF0\x03TF1\x02" "F1") + properties + std::string("\x00\x00", 2);
}

}  // namespace

TEST(FormBadInput, EveryTruncationOfEveryVectorIsAReadError) {
  lxvtest::RegisterVecClasses();
  for (const char* name : {"g01_ints", "g05_stringlist", "g06_refs_events", "g09_defined", "g10_nested", "t01_text_values"}) {
    const std::string bytes = FormFixture(std::string(name) + ".bin");
    const int before = Application().ComponentCount();
    for (std::size_t n = 0; n < bytes.size(); ++n) {
      const std::string cut = bytes.substr(0, n);
      EXPECT_NE(ErrorOf(cut).find("at offset"), std::string::npos) << name << " cut at " << n;
      TMemoryStream stream(cut);
      TReader reader(stream);
      EXPECT_THROW(reader.ReadRootComponent(nullptr, &Application()), EFilerError) << name << " cut at " << n;
    }
    EXPECT_EQ(Application().ComponentCount(), before);
  }
}

TEST(FormBadInput, SignatureLengthsAndKinds) {
  EXPECT_EQ(ErrorOf("TPF"), "Invalid stream format: too short for a form signature at offset 0");
  EXPECT_EQ(ErrorOf("TPF1\x03TF1"), "Invalid stream format: no TPF0 signature at offset 0");
  // A long string claiming 4 GB in a stream of a few bytes.
  EXPECT_EQ(ErrorOf(Form(std::string("\x01X\x0C\xFF\xFF\xFF\xFF", 7))),
            "Length 4294967295 exceeds the 2 bytes left in the form data at offset 18");
  EXPECT_EQ(ErrorOf(Form(std::string("\x01X\x12\x00\x00\x00\x40", 7))).substr(0, 16), "Length 214748364");
  EXPECT_EQ(ErrorOf(Form(std::string("\x01X\x17", 3))), "Unknown value kind 23 at offset 13");
  EXPECT_EQ(ErrorOf(Form(std::string("\x01X\x0F\x00\x00\xC0\x3F", 7)), 3), "Unknown value kind 15 at offset 13");
  EXPECT_EQ(ErrorOf(std::string("TPF0\x00", 5)), "Empty class name at offset 4");
  EXPECT_NE(ErrorOf(std::string("TPF0\xF2\x06\x01x\x03TF1\x00\x00\x00", 14)).find("Expected a child position"),
            std::string::npos);
}

TEST(FormBadInput, DeepNestingIsRefused) {
  std::string lists = "TPF0\x03TF1\x02" "F1\x01X";
  lists += std::string(100000, '\x01');
  EXPECT_NE(ErrorOf(lists).find("nested deeper than 200 levels"), std::string::npos);
  std::string objects = "TPF0";
  for (int i = 0; i < 100000; ++i) objects += std::string("\x01T\x00\x00", 4).substr(0, 3) + std::string(1, '\0');
  EXPECT_NE(ErrorOf(objects).find("nested deeper"), std::string::npos);
  // The same through the component reader, which creates what it reads.
  lxvtest::RegisterVecClasses();
  std::string panels = "TPF0\x08TVecForm\x01" "F";
  panels += '\0';
  for (int i = 0; i < 300; ++i) panels += "\x09TVecPanel" + std::string(1, '\x02') + "P" + std::to_string(i % 10) + '\0';
  const int before = Application().ComponentCount();
  TMemoryStream stream(panels);
  TReader reader(stream);
  EXPECT_THROW(reader.ReadRootComponent(nullptr, &Application()), EReadError);
  EXPECT_EQ(Application().ComponentCount(), before);
}

TEST(FormBadInput, HugeCountsCostOnlyWhatTheInputHolds) {
  // A million list items decode, each from its own two bytes.
  std::string items = std::string("\x01X\x01", 3);
  for (int i = 0; i < 1000000; ++i) items += std::string("\x02\x07", 2);
  items += '\0';
  const TFormObject form = DecodeBinaryForm(Form(items));
  EXPECT_EQ(form.Properties.at(0).Value.List.size(), 1000000u);
}

TEST(FormBadInput, ResourceHeaderFaults) {
  const std::string res = FormFixture("g01_ints.res");
  EXPECT_THROW(StripResourceHeader(res.substr(0, 10)), EReadError);
  std::string bigger = res;
  bigger[17] = '\x01';  // the size's high byte
  try {
    StripResourceHeader(bigger);
    ADD_FAILURE();
  } catch (const EReadError& e) {
    EXPECT_NE(std::string(e.what()).find("exceeds the 394 bytes that follow"), std::string::npos) << e.what();
  }
}

TEST(FormBadInput, FailedFormFileLoadLeavesTheApplicationAlone) {
  lxvtest::RegisterVecClasses();
  auto* existing = new lxvtest::TVecForm(&Application());
  existing->SetName("NestForm");
  const int before = Application().ComponentCount();
  std::string text = FormFixture("g10_nested.txt");
  text.replace(text.find("'deepest'"), 9, "'deepest");
  EXPECT_THROW(ReadComponentFromContent(text, nullptr, &Application()), EReadError);
  EXPECT_EQ(Application().ComponentCount(), before);
  EXPECT_EQ(Application().FindComponent("NestForm"), existing);
  EXPECT_EQ(existing->ComponentCount(), 0);
  // A good load of the same form next to it gets a name of its own.
  TComponent* loaded = ReadComponentFromContent(FormFixture("g10_nested.bin"), nullptr, &Application());
  EXPECT_EQ(loaded->Name(), "NestForm_1");
  loaded->Free();
  existing->Free();
}
