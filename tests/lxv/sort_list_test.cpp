// The sorted list's byte order, both modes of SortFind, and duplicates.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "Lxv/SortList.h"
#include "lxv/bisection_model.h"

using Lxv::TSortList;
using platform::IntFromObject;
using platform::ObjectFromInt;

namespace {
std::vector<std::string> Lines(const TSortList& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) out.emplace_back(list.Strings(i));
  return out;
}
}  // namespace

TEST(SortList, EmptyList) {
  TSortList list;
  int index = -1;
  EXPECT_FALSE(list.SortFind("x", index));
  EXPECT_EQ(index, 0);
  index = 5;  // object mode on an empty list gives 0
  EXPECT_FALSE(list.SortFind("x", index));
  EXPECT_EQ(index, 0);
  list.SortInsert("x", nullptr);
  EXPECT_EQ(list.Strings(0), "x");
  index = -1;  // the one line there is
  EXPECT_TRUE(list.SortFind("x", index));
  EXPECT_EQ(index, 0);
}

TEST(SortList, PositionsBeforeBetweenAndAfter) {
  TSortList list;
  for (const char* s : {"b", "d", "f", "h"}) list.SortInsert(s, nullptr);
  int index = -1;
  EXPECT_FALSE(list.SortFind("a", index));
  EXPECT_EQ(index, 0);
  index = -1;
  EXPECT_FALSE(list.SortFind("z", index));
  EXPECT_EQ(index, 4);
  index = -1;
  EXPECT_FALSE(list.SortFind("e", index));
  EXPECT_EQ(index, 2);
  index = -1;
  EXPECT_TRUE(list.SortFind("f", index));
  EXPECT_EQ(index, 2);
}

TEST(SortList, OrdinalCaseSensitiveByteOrder) {
  TSortList list;
  for (const char* s : {"a", "Z", "AB=1", "B", "AB", "\xc3\xa9", "~"}) list.SortInsert(s, nullptr);
  // Upper case before lower case, a prefix before its extensions, and bytes
  // from 128 up after ASCII (unsigned comparison).
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"AB", "AB=1", "B", "Z", "a", "~", "\xc3\xa9"}));
}

TEST(SortList, AKeyIsAPrefixOfItsLineAndIsNotFound) {
  TSortList list;
  list.SortInsert("00000409_TIMEAMSTRING=AM", nullptr);
  list.SortInsert("00000409_DECIMALSEPARATOR=.", nullptr);
  int index = -1;
  EXPECT_FALSE(list.SortFind("00000409_TIMEAMSTRING", index));
  EXPECT_EQ(index, 1);  // the line that begins with the key
}

TEST(SortList, DuplicatesStayTogether) {
  TSortList list;
  list.SortInsert("m", ObjectFromInt(1));
  list.SortInsert("a", nullptr);
  list.SortInsert("z", nullptr);
  list.SortInsert("m", ObjectFromInt(2));
  list.SortInsert("m", ObjectFromInt(3));
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "m", "m", "m", "z"}));
}

TEST(SortList, ObjectModeReturnsTheObjectOfTheLastLineExamined) {
  TSortList list;
  list.SortInsert("Deutsch", ObjectFromInt(0x407));
  list.SortInsert("English", ObjectFromInt(0x409));
  list.SortInsert("Francais", ObjectFromInt(0x40C));
  int index = 0;
  EXPECT_TRUE(list.SortFind("Francais", index));
  EXPECT_EQ(index, 0x40C);
  index = 0;
  EXPECT_TRUE(list.SortFind("Deutsch", index));
  EXPECT_EQ(index, 0x407);
  // Not found: the bisection examined "English" (middle), then "Francais".
  index = 7;
  EXPECT_FALSE(list.SortFind("Espanol", index));
  EXPECT_EQ(index, 0x40C);
  index = 7;
  EXPECT_FALSE(list.SortFind("Aaa", index));
  EXPECT_EQ(index, 0x407);
}

TEST(SortList, RandomInsertionsMatchASortedModel) {
  std::mt19937 rng(11);
  TSortList list;
  std::vector<std::string> model;
  for (int i = 0; i < 3000; ++i) {
    std::string s(1 + rng() % 4, 'a');
    for (char& c : s) c = static_cast<char>("AaBb_=z\x80"[rng() % 8]);
    list.SortInsert(s, nullptr);
    model.push_back(s);
  }
  std::sort(model.begin(), model.end());
  EXPECT_EQ(Lines(list), model);
  for (const std::string& s : model) {
    int index = -1;
    ASSERT_TRUE(list.SortFind(s, index));
    ASSERT_EQ(list.Strings(index), s);
  }
  int index = -1;
  EXPECT_FALSE(list.SortFind("AAAAAAAAA~", index));
  EXPECT_TRUE(index == list.Count() || list.Strings(index) > "AAAAAAAAA~");
  EXPECT_TRUE(index == 0 || list.Strings(index - 1) < "AAAAAAAAA~");
}

TEST(SortList, ListOutOfOrderIsSearchedByTheSameBisection) {
  TSortList list;
  for (const char* s : {"a", "b", "aaa", "B0", "=", "=baA0", "=_", "0=a"}) list.Add(s);
  int index = -1;
  // "B" is past the last line, yet the bisection goes left from "B0" to "a".
  EXPECT_FALSE(list.SortFind("B", index));
  EXPECT_EQ(index, 0);
  list.SortInsert("B", nullptr);
  EXPECT_EQ(list.Strings(0), "B");
  index = -1;
  EXPECT_FALSE(list.SortFind("~", index));
  EXPECT_EQ(index, 9);
}

// Every kind of change, in random order, on lists mostly out of order: after
// each, both modes of SortFind and SortInsert answer as the model does.
TEST(SortList, AnyListAnswersAsTheModelBisection) {
  std::mt19937 rng(7);
  auto text = [&rng] {
    // A zero byte orders like any other: a text that ends sorts before one
    // that goes on with a zero.
    constexpr std::string_view kBytes("aAbB0=_~\xe9\0", 10);
    std::string s(rng() % 4, 'a');
    for (char& c : s) c = kBytes[rng() % kBytes.size()];
    return (rng() % 3 == 0 ? "00000409_" : "") + s;  // some share a long head
  };
  TSortList list;
  for (int step = 0; step < 4000; ++step) {
    const int count = list.Count();
    switch (rng() % 12) {
      case 0: list.Add(text()); break;
      case 1: list.InsertObject(static_cast<int>(rng() % static_cast<unsigned>(count + 1)), text(), ObjectFromInt(step)); break;
      case 2: if (count > 0) list.Delete(static_cast<int>(rng() % static_cast<unsigned>(count))); break;
      case 3: if (count > 0) list.SetStrings(static_cast<int>(rng() % static_cast<unsigned>(count)), text()); break;
      case 4: {
        lxvtest::TModelLines model = lxvtest::ModelOf(list);
        const std::string line = text();
        lxvtest::ModelInsert(model, line, step);
        list.SortInsert(line, ObjectFromInt(step));
        ASSERT_EQ(lxvtest::ModelOf(list), model) << step;
        break;
      }
      case 5: if (rng() % 4 == 0) list.Sort(); break;
      case 6: if (rng() % 8 == 0) list.SetText(text() + "\n" + text() + "\n" + text()); break;
      case 7: if (rng() % 8 == 0) { TSortList other; other.Add(text()); other.Add(text()); list.AddStrings(other); } break;
      case 8: if (rng() % 8 == 0) list.AddStrings(std::vector<std::string>{text(), text()}); break;
      case 9: if (rng() % 16 == 0) { TSortList copy; copy.Assign(&list); copy.Add(text()); list.Assign(&copy); } break;
      case 10: if (count > 24) list.Clear(); break;
      default: list.Add("~~~~~"); break;
    }
    for (int k = 0; k < 3; ++k) {
      const std::string probe = k == 0 ? std::string("~~~~~~") : text();
      for (int mode : {-1, 0}) {
        int expected = mode, actual = mode;
        const bool found = lxvtest::ModelFind(lxvtest::ModelOf(list), probe, expected);
        ASSERT_EQ(list.SortFind(probe, actual), found) << step;
        ASSERT_EQ(actual, expected) << step << " '" << probe << "' mode " << mode;
      }
    }
  }
}

TEST(SortList, ClassIdentity) {
  TSortList list;
  EXPECT_EQ(list.ClassName(), "TSortList");
  EXPECT_TRUE(platform::Is<platform::TStringList>(&list));
}
