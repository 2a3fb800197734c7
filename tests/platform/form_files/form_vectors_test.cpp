// The form vectors of the shared fixtures at the stream level: decoding,
// both converters and the text round trip.
#include <gtest/gtest.h>

#include "platform/base/exceptions.h"
#include "platform/form_files/form_text.h"
#include "platform/streaming/streams.h"
#include "support/form_vectors.h"

using namespace platform;
using lxvtest::FormFixture;

namespace {

// Vectors whose every value kind is one of the framework's.
const char* const kVectors[] = {"g01_ints",      "g02_misc",  "g05_stringlist", "g06_refs_events",
                                "g07_persistent", "g09_defined", "g10_nested",  "t01_text_values"};

std::string ToText(const std::string& binary) {
  TMemoryStream in(binary), out;
  ObjectBinaryToText(in, out);
  return out.Data();
}

std::string ToBinary(const std::string& text) {
  TMemoryStream in(text), out;
  ObjectTextToBinary(in, out);
  return out.Data();
}

}  // namespace

TEST(FormVectors, DecodeToTheListedValues) {
  for (const char* name : kVectors) {
    SCOPED_TRACE(name);
    const TFormObject form = DecodeBinaryForm(FormFixture(std::string(name) + ".bin"));
    EXPECT_EQ(lxvtest::ValuesListing(form), lxvtest::ValuesFile(name));
  }
}

TEST(FormVectors, BinaryToOwnTextAndBackGivesTheSameBytes) {
  for (const char* name : kVectors) {
    SCOPED_TRACE(name);
    const std::string binary = FormFixture(std::string(name) + ".bin");
    EXPECT_EQ(ToBinary(ToText(binary)), binary);
  }
}

TEST(FormVectors, ForeignTextConvertsToTheVectorsRoundTripBytes) {
  // NAME.txt is the other implementation's text (LF line ends, its layout);
  // NAME.rt.bin is what its own converter made of it.
  for (const char* name : kVectors) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ToBinary(FormFixture(std::string(name) + ".txt")), FormFixture(std::string(name) + ".rt.bin"));
  }
  EXPECT_EQ(ToBinary(FormFixture("g03_strings.txt")), FormFixture("g03_strings.rt.bin"));
}

TEST(FormVectors, HandWrittenTextConvertsToTheVectorExceptTypedFloats) {
  // The framework stores the suffixes s, c and d as single, currency and date;
  // the other implementation stored all three as extended.
  const TFormObject ours = DecodeBinaryForm(ToBinary(FormFixture("t01_text_values.src.txt")));
  const TFormObject theirs = DecodeBinaryForm(FormFixture("t01_text_values.bin"));
  auto ourLines = lxvtest::ValuesListing(ours);
  auto theirLines = lxvtest::ValuesListing(theirs);
  ASSERT_EQ(ourLines.size(), theirLines.size());
  const TFormObject& floats = ours.Children.at(3);
  ASSERT_EQ(floats.Name, "Flt1");
  const auto& props = floats.Properties;
  EXPECT_EQ(props.at(6).Name, "Sgl");
  EXPECT_EQ(props.at(6).Value.Type, vaSingle);
  EXPECT_EQ(props.at(6).Value.Float, 1.5);
  EXPECT_EQ(props.at(7).Value.Type, vaCurrency);
  EXPECT_EQ(props.at(7).Value.Int, 123400);
  EXPECT_EQ(props.at(8).Value.Type, vaDate);
  EXPECT_EQ(props.at(8).Value.Float, 45351.5);
  int differing = 0;
  for (std::size_t i = 0; i < ourLines.size(); ++i)
    if (ourLines[i] != theirLines[i]) {
      ++differing;
      EXPECT_TRUE(ourLines[i].find("Sgl") != std::string::npos || ourLines[i].find("Cur") != std::string::npos ||
                  ourLines[i].find("When") != std::string::npos)
          << ourLines[i];
    }
  EXPECT_EQ(differing, 3);
}

TEST(FormVectors, ResourceFilesHoldTheSameStream) {
  for (const char* name : {"g01_ints", "g10_nested"}) {
    SCOPED_TRACE(name);
    const std::string res = FormFixture(std::string(name) + ".res");
    std::string resourceName;
    EXPECT_EQ(StripResourceHeader(res, &resourceName), FormFixture(std::string(name) + ".bin"));
    EXPECT_EQ(TestFormFormat(res), TFormFormat::Resource);
    const std::string form = FormFixture(std::string(name) + ".bin");
    EXPECT_EQ(ResourceHeader(resourceName, static_cast<std::uint32_t>(form.size())) + form, res);
  }
}

TEST(FormVectors, TextToResourceAndResourceToText) {
  TMemoryStream text(FormFixture("g01_ints.txt")), res;
  ObjectTextToResource(text, res);
  std::string name;
  EXPECT_EQ(StripResourceHeader(res.Data(), &name), FormFixture("g01_ints.bin"));
  EXPECT_EQ(name, "TVECFORM");  // named after the form class
  res.SetPosition(0);
  TMemoryStream back;
  ObjectResourceToText(res, back);
  EXPECT_EQ(back.Data(), ToText(FormFixture("g01_ints.bin")));
}

TEST(FormVectors, ForeignWideStringCodeIsAnUnknownValueKind) {
  // g03 stores two strings with code 21, which the framework reads as a
  // double and neither generation has: the reader stops there and says where.
  const std::string bytes = FormFixture("g03_strings.bin");
  const std::size_t at = bytes.find(std::string("\x04Wide\x15", 6)) + 5;
  try {
    DecodeBinaryForm(bytes);
    FAIL() << "code 21 was accepted";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), ("Unknown value kind 21 at offset " + std::to_string(at)).c_str());
  }
}

TEST(FormVectors, GenerationThreeStopsAtGenerationFourKinds) {
  EXPECT_NO_THROW(DecodeBinaryForm(FormFixture("g10_nested.bin"), 3));
  EXPECT_THROW(DecodeBinaryForm(FormFixture("g01_ints.bin"), 3), EReadError);  // vaInt64
  EXPECT_THROW(DecodeBinaryForm(FormFixture("g02_misc.bin"), 3), EReadError);  // vaWString
  EXPECT_THROW(ParseFormText("object A: T\n X = 4294967296\nend", 3), EReadError);
  EXPECT_EQ(ParseFormText("object A: T\n X = 1.5s\nend", 3).Properties[0].Value.Type, vaExtended);
}
