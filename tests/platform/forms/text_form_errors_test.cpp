// A text form read into components is read from its binary conversion; what
// goes wrong there is still named by the line and column of the text.
#include <gtest/gtest.h>

#include <string>

#include "platform/base/exceptions.h"
#include "platform/form_files/form_text.h"
#include "platform/forms/form.h"
#include "platform/streaming/source_positions.h"

using namespace platform;

namespace {

// The form with `line` in place of the label's caption line.
std::string FormText(const std::string& line, const char* eol = "\n") {
  std::string text;
  for (const std::string& l : {std::string("object Form1: TForm"), std::string("  Left = 8"),
                               std::string("  object Label1: TLabel"), "    " + line, std::string("  end"),
                               std::string("end")})
    text += l + eol;
  return text;
}

std::string ReadError(const std::string& content) {
  try {
    TOwned<TComponent> form(ReadComponentFromContent(content, nullptr, nullptr));
  } catch (const Exception& e) {
    return e.what();
  }
  return "no error";
}

}  // namespace

TEST(TextFormErrors, NameTheLineAndColumnOfTheText) {
  EXPECT_EQ(ReadError(FormText("Colour = 3")), "Property Colour of Form1.Label1 does not exist at line 4, column 5");
  // The value's own column, where the value is wrong.
  EXPECT_EQ(ReadError(FormText("Alignment =   taNowhere")),
            "Invalid value taNowhere for property Alignment at line 4, column 19");
  EXPECT_EQ(ReadError(FormText("FocusControl = Missing1")),
            "Unresolved reference to Missing1 in Form1.Label1.FocusControl (line 4, column 20)");
  std::string unknownClass = FormText("Caption = 'a'");
  unknownClass.replace(unknownClass.find("TLabel"), 6, "TNoSuch");
  EXPECT_EQ(ReadError(unknownClass), "Class TNoSuch not found at line 3, column 3");
  // CR LF line ends count as one, as the text parser counts them.
  EXPECT_EQ(ReadError(FormText("Colour = 3", "\r\n")), "Property Colour of Form1.Label1 does not exist at line 4, column 5");
  // A binary form has no lines: its errors keep the stream offset.
  const std::string binary = FormContentToBinary(FormText("Colour = 3"));
  EXPECT_NE(ReadError(binary).find("does not exist at offset "), std::string::npos) << ReadError(binary);
}

TEST(TextFormErrors, CursorCountsEveryLineEnd) {
  const std::string text = "ab\ncd\r\nef\rgh";
  TTextCursor cursor(text);
  EXPECT_EQ(cursor.At(1).Column, 2);
  EXPECT_EQ(cursor.At(4).Line, 2);
  EXPECT_EQ(cursor.At(7).Line, 3);
  const TTextPosition last = cursor.At(10);
  EXPECT_EQ(last.Line, 4);
  EXPECT_EQ(last.Column, 1);
  // Asked behind its last position, it starts over.
  EXPECT_EQ(cursor.At(4).Column, 2);
  EXPECT_EQ(cursor.At(4).Line, 2);
}
