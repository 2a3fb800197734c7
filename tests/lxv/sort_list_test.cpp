// The sorted list's byte order, both modes of SortFind, and duplicates.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "Lxv/SortList.h"

using Lxv::TSortList;
using platform::IntFromObject;
using platform::ObjectFromInt;

namespace {
std::vector<std::string> Lines(const TSortList& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Strings(i));
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

TEST(SortList, ClassIdentity) {
  TSortList list;
  EXPECT_EQ(list.ClassName(), "TSortList");
  EXPECT_TRUE(platform::Is<platform::TStringList>(&list));
}
