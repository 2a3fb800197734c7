// The binary driver alone: the integer kinds, the byte order and stored
// values read back as written.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/base/exceptions.h"
#include "platform/streaming/binary_reader.h"
#include "platform/streaming/binary_writer.h"
#include "platform/streaming/streams.h"

using namespace platform;

namespace {

std::string Written(void (*write)(TBinaryWriter&), int generation = 4) {
  TMemoryStream stream;
  TBinaryWriter writer(stream, generation);
  write(writer);
  return stream.Data();
}

TEST(BinaryDriver, IntegersTakeTheSmallestKindLeastSignificantByteFirst) {
  EXPECT_EQ(IntegerValueType(-128), vaInt8);
  EXPECT_EQ(IntegerValueType(128), vaInt16);
  EXPECT_EQ(IntegerValueType(-32769), vaInt32);
  EXPECT_EQ(IntegerValueType(2147483647), vaInt32);
  EXPECT_EQ(IntegerValueType(-2147483649LL), vaInt64);
  EXPECT_EQ(Written([](TBinaryWriter& w) { w.WriteInteger(-129); }), std::string("\x03\x7F\xFF", 3));
  EXPECT_EQ(Written([](TBinaryWriter& w) { w.WriteInteger(0x12345678); }), std::string("\x04\x78\x56\x34\x12", 5));
  EXPECT_THROW(Written([](TBinaryWriter& w) { w.WriteInteger(1LL << 40); }, 3), EWriteError);
  EXPECT_EQ(Written([](TBinaryWriter& w) { w.WriteSingle(1.0f); }), std::string("\x0F\x00\x00\x80\x3F", 5));
}

TEST(BinaryDriver, StoredValuesReadBackAsWritten) {
  std::vector<TStoredValue> values(7);
  values[0].Type = vaInt64;
  values[0].Int = -(1LL << 40);
  values[1].Type = vaSingle;
  values[1].Float = -0.15625;
  values[2].Type = vaDate;
  values[2].Float = 45000.75;
  values[3].Type = vaCurrency;
  values[3].Int = -123456789;
  values[4].Type = vaWString;
  values[4].Wide = u"\u00e9\u4e2d";
  values[5].Type = vaBinary;
  values[5].Str = std::string("\0\xFF", 2);
  values[6].Type = vaSet;
  values[6].Names = {"akLeft", "akTop"};
  TMemoryStream stream;
  TBinaryWriter writer(stream);
  for (const TStoredValue& v : values) writer.WriteStoredValue(v);
  stream.SetPosition(0);
  TBinaryReader reader(stream);
  for (const TStoredValue& v : values) {
    const TStoredValue back = reader.ReadStoredValue();
    EXPECT_EQ(back.Type, v.Type) << ValueTypeName(v.Type);
    EXPECT_EQ(back.Int, v.Int) << ValueTypeName(v.Type);
    EXPECT_EQ(back.Float, v.Float) << ValueTypeName(v.Type);
    EXPECT_EQ(back.Str, v.Str) << ValueTypeName(v.Type);
    EXPECT_EQ(back.Wide, v.Wide) << ValueTypeName(v.Type);
    EXPECT_EQ(back.Names, v.Names) << ValueTypeName(v.Type);
  }
  EXPECT_EQ(reader.Offset(), stream.Size());
}

TEST(BinaryDriver, StringsReadInPlaceOrDecoded) {
  // Short, long (past the reader's buffer), empty and wide: each read as a
  // view of the buffer or of the scratch string, whichever holds it.
  const std::string longText(200000, 'x');
  std::vector<TStoredValue> values(4);
  values[0].Type = vaString;
  values[0].Str = "abc";
  values[1].Type = vaLString;
  values[1].Str = longText;
  values[2].Type = vaString;
  values[3].Type = vaWString;
  values[3].Wide = u"\u00e9\u4e2d";
  TMemoryStream stream;
  TBinaryWriter writer(stream);
  for (const TStoredValue& v : values) writer.WriteStoredValue(v);
  stream.SetPosition(0);
  TBinaryReader reader(stream);
  std::string scratch;
  for (const char* expected : {"abc", longText.c_str(), "", "\xC3\xA9\xE4\xB8\xAD"})
    EXPECT_EQ(reader.ReadStringView(scratch), expected);
  EXPECT_EQ(reader.Offset(), stream.Size());
}

}  // namespace
