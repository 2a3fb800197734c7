// The text form format: the writer's layout and what the parser accepts.
#include <gtest/gtest.h>

#include "platform/base/exceptions.h"
#include "platform/form_files/form_text.h"

using namespace platform;

namespace {

TFormValue Str(std::string s) {
  TFormValue v;
  v.Type = s.size() > 255 ? vaLString : vaString;
  v.Str = std::move(s);
  return v;
}

TFormObject Form(std::vector<TFormProperty> props) {
  TFormObject o;
  o.ClassName = "TForm1";
  o.Name = "Form1";
  o.Properties = std::move(props);
  return o;
}

TFormObject RoundTrip(const TFormObject& o) { return ParseFormText(FormatFormText(o)); }

}  // namespace

TEST(FormText, LayoutOfObjectsListsAndBinary) {
  TFormValue list;
  list.Type = vaList;
  list.List = {Str("first"), Str("it's")};
  TFormValue blob;
  blob.Type = vaBinary;
  blob.Str = std::string(33, '\xAB');
  TFormObject o = Form({{"Lines.Strings", list}, {"Blob", blob}});
  TFormObject child;
  child.ClassName = "TButton";
  child.Name = "Button1";
  child.Position = 3;
  o.Children.push_back(child);
  EXPECT_EQ(FormatFormText(o),
            "object Form1: TForm1\r\n"
            "  Lines.Strings = (\r\n"
            "    'first'\r\n"
            "    'it''s')\r\n"
            "  Blob = {\r\n"
            "    ABABABABABABABABABABABABABABABABABABABABABABABABABABABABABABABAB\r\n"
            "    AB}\r\n"
            "  object Button1: TButton [3]\r\n"
            "  end\r\n"
            "end\r\n");
}

TEST(FormText, LongStringsSplitIntoPiecesOfSixtyFourJoinedByPlus) {
  const std::string value = std::string(64, 'x') + std::string(64, 'y') + "z";
  const std::string text = FormatFormText(Form({{"Caption", Str(value)}}));
  EXPECT_NE(text.find("  Caption = '" + std::string(64, 'x') + "' +\r\n    '" + std::string(64, 'y') + "' +\r\n    'z'\r\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(RoundTrip(Form({{"Caption", Str(value)}})).Properties[0].Value.Str, value);
}

TEST(FormText, HighBytesStayRawAndControlCharactersBecomeCodes) {
  const std::string value = "caf\xC3\xA9\t'\x7F";
  const std::string text = FormatFormText(Form({{"Caption", Str(value)}}));
  EXPECT_NE(text.find("Caption = 'caf\xC3\xA9'#9''''#127\r\n"), std::string::npos) << text;
  const TFormValue back = RoundTrip(Form({{"Caption", Str(value)}})).Properties[0].Value;
  EXPECT_EQ(back.Type, vaString);  // raw bytes do not turn the string wide
  EXPECT_EQ(back.Str, value);
}

TEST(FormText, GenerationFourKindsRoundTrip) {
  TFormValue single, currency, date, wide, big, negCurrency;
  single.Type = vaSingle;
  single.Float = 0.1f;
  currency.Type = vaCurrency;
  currency.Int = 123400;
  negCurrency.Type = vaCurrency;
  negCurrency.Int = -5;
  date.Type = vaDate;
  date.Float = 36526.25;
  wide.Type = vaWString;
  wide.Wide = u"\u20ACuro";
  big.Type = vaInt64;
  big.Int = -1099511627776;
  const TFormObject o = Form({{"S", single}, {"C", currency}, {"N", negCurrency}, {"D", date}, {"W", wide}, {"B", big}});
  const std::string text = FormatFormText(o);
  EXPECT_NE(text.find("C = 12.34c\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("N = -0.0005c\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("W = #8364'uro'\r\n"), std::string::npos) << text;
  EXPECT_EQ(EncodeBinaryForm(ParseFormText(text)), EncodeBinaryForm(o));
}

TEST(FormText, ExtendedValuesKeepAllSixtyFourBits) {
  TFormValue third;
  third.Type = vaExtended;
  third.Extended = {0xAB, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xFD, 0x3F};
  EXPECT_EQ(RoundTrip(Form({{"X", third}})).Properties[0].Value.Extended, third.Extended);
}

TEST(FormText, ParserAcceptsBothLayoutsAndLineEnds) {
  const std::string closingOnLastItem = "object F: TF\r\n  L = (\r\n    'a'\r\n    'b')\r\n  B = {\r\n    0A0b}\r\nend\r\n";
  const std::string closingOnOwnLine = "object F: TF\n  L = (\n    'a'\n    'b'\n  )\n  B = {\n    0A0b\n  }\nend\n";
  const std::string oldMac = "object F: TF\r  L = ( 'a' 'b' )\r  B = {0A 0B}\rend";
  const std::string expected = EncodeBinaryForm(ParseFormText(closingOnLastItem));
  EXPECT_EQ(EncodeBinaryForm(ParseFormText(closingOnOwnLine)), expected);
  EXPECT_EQ(EncodeBinaryForm(ParseFormText(oldMac)), expected);
  const TFormObject o = ParseFormText("\xEF\xBB\xBFOBJECT TF\n  Inh . Sub = NIL\n  Items = <\n    item [2]\n      A = 1\n    end>\nEnd");
  EXPECT_EQ(o.Name, "");
  EXPECT_EQ(o.Properties[0].Name, "Inh.Sub");
  EXPECT_EQ(o.Properties[0].Value.Type, vaNil);
  EXPECT_EQ(o.Properties[1].Value.Items.at(0).Order, 2);
}

TEST(FormText, IntegersTakeTheNarrowestKind) {
  const TFormObject o = ParseFormText(
      "object F: TF\n A = $FF\n B = $FFFFFFFF\n C = 18446744073709551615\n D = -2147483648\n E = 2147483648\nend");
  const auto& p = o.Properties;
  EXPECT_EQ(p[0].Value.Type, vaInt16);
  EXPECT_EQ(p[1].Value.Type, vaInt64);
  EXPECT_EQ(p[1].Value.Int, 4294967295);
  EXPECT_EQ(p[2].Value.Type, vaInt8);
  EXPECT_EQ(p[2].Value.Int, -1);
  EXPECT_EQ(p[3].Value.Type, vaInt32);
  EXPECT_EQ(p[4].Value.Type, vaInt64);
}

TEST(FormText, MalformedTextNamesLineAndColumn) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"object F: TF\n  Caption 'x'\nend", "line 2, column 11: expected '='"},
      {"object F: TF\n  Caption = 'open\nend", "line 2, column 18: unterminated string"},
      {"object F: TF\r\n  A = 12abc\r\nend", "line 2, column 9: malformed number"},
      {"object F: TF\n  B = {0A 1}\nend", "line 2, column 12: expected the second digit"},
      {"object F: TF\n  L = (1 2\n", "line 3, column 1: unterminated list"},
      {"object F: TF\n  S = [a b]\nend", "line 2, column 10: expected ','"},
      {"thing F: TF\nend", "line 1, column 6: expected object, inherited or inline"},
      {"object F: TF\nend\nrest", "line 3, column 1: unexpected text after the final end"},
      {"object F: TF\n  X = #70000\nend", "character code above 65535"},
      {"object F: TF\n  X = $10000000000000000\nend", "hexadecimal number too large"},
      {"object F: TF\n  X = 'a' +\nend", "expected a string after '+'"},
      {"", "line 1, column 1: expected an identifier"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseFormText(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const EReadError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(FormText, DeepNestingIsRefusedNotOverflowed) {
  std::string lists = "object F: TF\n X = " + std::string(100000, '(') + "\nend";
  EXPECT_THROW(ParseFormText(lists), EReadError);
  std::string objects;
  for (int i = 0; i < 5000; ++i) objects += "object A: T\n";
  EXPECT_THROW(ParseFormText(objects), EReadError);
}

TEST(FormText, NamesLongerThanTheValueKindsRoundTrip) {
  // A name's length byte is not a value kind: 20 and more must not be refused.
  const std::string text =
      "object AVeryLongFormNameIndeed: TAVeryLongClassNameIndeed\r\n"
      "  Translations.Strings = (\r\n"
      "    'x')\r\n"
      "  object AVeryLongButtonNameIndeed: TAVeryLongClassNameIndeed\r\n"
      "  end\r\n"
      "end\r\n";
  const TFormObject form = DecodeBinaryForm(EncodeBinaryForm(ParseFormText(text)));
  EXPECT_EQ(FormatFormText(form), text);
}
