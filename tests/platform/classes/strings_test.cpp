// String lists: editing, text and files, sorted mode, change notices, and the
// block storage against a plain model.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/classes/strings.h"
#include "support/temp_dir.h"

using namespace platform;
using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::WriteAll;

TEST(StringList, EditingWithObjectsCarryingIntegers) {
  TStringList list;
  list.Add("b");
  list.AddObject("c", ObjectFromInt(0x409));
  list.InsertObject(0, "a", ObjectFromInt(0x407));
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(IntFromObject(list.Objects(0)), 0x407);
  EXPECT_EQ(list.IndexOfObject(ObjectFromInt(0x409)), 2);
  EXPECT_EQ(list.IndexOfObject(ObjectFromInt(1)), -1);
  EXPECT_EQ(list.IndexOf("B"), 1);  // the framework's comparison ignores case
  EXPECT_EQ(list.IndexOf("d"), -1);
  list.SetStrings(1, "bb");
  list.Delete(0);
  EXPECT_EQ(list.Strings(0), "bb");
  EXPECT_THROW(list.Strings(2), EStringListError);
  EXPECT_THROW(list.InsertObject(3, "x", nullptr), EStringListError);
  EXPECT_THROW(list.Delete(-1), EStringListError);

  TStringList copy;
  copy.Assign(&list);
  EXPECT_TRUE(copy.Equals(list));
  EXPECT_EQ(IntFromObject(copy.Objects(1)), 0x409);
  copy.Assign(&copy);  // assigning a list to itself keeps it
  EXPECT_EQ(copy.Count(), 2);
}

TEST(StringList, TextSplitsAtEveryKindOfLineEnd) {
  TStringList list;
  list.SetText("one\r\ntwo\rthree\nfour\n\r\nsix");
  ASSERT_EQ(list.Count(), 6);
  EXPECT_EQ(list.Strings(3), "four");
  EXPECT_EQ(list.Strings(4), "");
  EXPECT_EQ(list.Strings(5), "six");
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
  // Any mixture of breaks splits as a walk byte by byte does.
  std::mt19937 rng(5);
  for (int round = 0; round < 2000; ++round) {
    std::string text(rng() % 12, 'x');
    for (char& c : text) c = "\r\nab"[rng() % 4];
    std::vector<std::string> expected;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\r' && text[i] != '\n') continue;
      expected.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
    if (start < text.size()) expected.push_back(text.substr(start));
    list.SetText(text);
    std::vector<std::string> got;
    for (int i = 0; i < list.Count(); ++i) got.emplace_back(list.Strings(i));
    ASSERT_EQ(got, expected) << round;
  }
}

TEST(StringList, FilesKeepBytesAndEndEveryLineWithCrLf) {
  TempDir dir;
  const std::string path = dir.File("list.txt");
  WriteAll(path, "caf\xc3\xa9\r\nx\ty\r\r\nlast");
  TStringList list;
  list.Add("stale");
  list.LoadFromFile(path);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Strings(0), "caf\xc3\xa9");
  EXPECT_EQ(list.Strings(1), "x\ty");
  EXPECT_EQ(list.Strings(2), "");
  list.SaveToFile(path);
  EXPECT_EQ(ReadAll(path), "caf\xc3\xa9\r\nx\ty\r\n\r\nlast\r\n");
  EXPECT_THROW(list.LoadFromFile(dir.File("missing.txt")), EFOpenError);
  EXPECT_EQ(list.Count(), 4);  // a failed load leaves the list alone
  EXPECT_THROW(list.SaveToFile(dir.File("no/such/dir.txt")), EFCreateError);
}

// Saving follows links, writes devices in place and refuses read-only files,
// as every atomic save does.
TEST(StringList, SaveToFileReplacesOnlyWhatItMay) {
  TempDir dir;
  TStringList list;
  list.Add("line");
  std::filesystem::create_symlink("target.txt", dir.File("dangling"));
  list.SaveToFile(dir.File("dangling"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("dangling")));
  EXPECT_EQ(ReadAll(dir.File("target.txt")), "line\r\n");

  EXPECT_THROW(list.SaveToFile(testing_support::FullDevice(dir)), EFCreateError);

  WriteAll(dir.File("locked.txt"), "old");
  std::filesystem::permissions(dir.File("locked.txt"), std::filesystem::perms::owner_read);
  EXPECT_THROW(list.SaveToFile(dir.File("locked.txt")), EFCreateError);
  EXPECT_EQ(ReadAll(dir.File("locked.txt")), "old");
}

TEST(StringList, SortedModeUsesTheCaseInsensitiveComparison) {
  TStringList list;
  list.Add("delta");
  list.Add("Bravo");
  list.Add("alpha");
  list.Add("Charlie");
  list.SetSorted(true);
  EXPECT_EQ(list.Text(), "alpha\r\nBravo\r\nCharlie\r\ndelta\r\n");
  EXPECT_EQ(list.Add("BRAVO"), 1);  // duplicates are ignored by default
  EXPECT_EQ(list.Count(), 4);
  list.SetDuplicates(TDuplicates::dupError);
  EXPECT_THROW(list.Add("alpha"), EStringListError);
  list.SetDuplicates(TDuplicates::dupAccept);
  list.Add("echo");
  list.Add("ALPHA");
  int index = -1;
  EXPECT_TRUE(list.Find("alpha", index));
  EXPECT_EQ(index, 0);  // the first of equal lines
  EXPECT_FALSE(list.Find("beta", index));
  EXPECT_EQ(index, 2);
  EXPECT_EQ(list.IndexOf("CHARLIE"), 3);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
}

TEST(StringList, ChangeNoticeFiresOncePerUpdate) {
  TStringList list;
  int changes = 0, changing = 0;
  list.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changes;
  };
  list.OnChanging = [&](TObject*) { ++changing; };
  list.Add("a");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(changing, 1);
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.Delete(0);
  EXPECT_EQ(changes, 1);
  list.EndUpdate();
  EXPECT_EQ(changes, 2);
  list.SetText("x\ny");
  EXPECT_EQ(changes, 3);
  list.EndUpdate();  // unmatched: the list still reports its changes
  list.Add("z");
  EXPECT_EQ(changes, 4);
}

// A change handler's error leaves a bulk edit as any error does; where the
// edit itself failed, that first error is the one reported.
TEST(StringList, ChangeHandlerErrorsOfBulkEditsReachTheCaller) {
  TStringList list;
  list.OnChange = [](TObject*) { throw EStringListError("handler"); };
  EXPECT_THROW(list.SetText("a\nb"), EStringListError);
  EXPECT_EQ(list.Count(), 2);
  TStringList sorted;
  sorted.SetSorted(true);
  sorted.SetDuplicates(TDuplicates::dupError);
  sorted.OnChange = [](TObject*) { throw EConvertError("handler"); };
  EXPECT_THROW(sorted.AddStrings(std::vector<std::string>{"a", "a"}), EStringListError);
}

TEST(StringList, AddingAListToItselfAddsEachLineOnce) {
  TStringList list;
  list.Add("b");
  list.AddObject("a", ObjectFromInt(7));
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  list.AddStrings(list);
  EXPECT_EQ(list.Text(), "b\r\na\r\nb\r\na\r\n");
  EXPECT_EQ(IntFromObject(list.Objects(3)), 7);
  EXPECT_EQ(changes, 1);

  TStringList sorted;
  sorted.SetSorted(true);
  sorted.SetDuplicates(TDuplicates::dupAccept);
  sorted.Add("b");
  sorted.Add("a");
  sorted.AddStrings(sorted);
  EXPECT_EQ(sorted.Text(), "a\r\na\r\nb\r\nb\r\n");
}

TEST(StringList, LongListAfterRandomEditsEqualsAPlainModel) {
  // The model holds the step that made each line; its text is derived from it.
  auto text = [](int step) { return "line" + std::to_string(step); };
  std::mt19937 rng(7);
  TStringList list;
  std::vector<int> model;
  int step = 0;
  while (model.size() < 35000) {
    const int size = static_cast<int>(model.size());
    if (size == 0 || rng() % 4 != 0) {
      const int at = static_cast<int>(rng() % static_cast<unsigned>(size + 1));
      list.InsertObject(at, text(step), ObjectFromInt(step));
      model.insert(model.begin() + at, step);
    } else {
      const int at = static_cast<int>(rng() % static_cast<unsigned>(size));
      list.Delete(at);
      model.erase(model.begin() + at);
    }
    ++step;
    if (step % 5000 == 0) {  // random access in between
      const int probe = static_cast<int>(rng() % model.size());
      ASSERT_EQ(list.Strings(probe), text(model[static_cast<std::size_t>(probe)]));
    }
  }
  ASSERT_EQ(list.Count(), static_cast<int>(model.size()));
  for (int i = 0; i < list.Count(); ++i) {
    ASSERT_EQ(list.Strings(i), text(model[static_cast<std::size_t>(i)])) << i;
    ASSERT_EQ(IntFromObject(list.Objects(i)), model[static_cast<std::size_t>(i)]) << i;
  }
  // Walk backwards too: the access cache must not assume forward walks.
  for (int i = list.Count() - 1; i >= 0; i -= 97)
    ASSERT_EQ(list.Strings(i), text(model[static_cast<std::size_t>(i)]));
  while (list.Count() > 0) list.Delete(list.Count() / 2);
  EXPECT_EQ(list.Text(), "");
}

TEST(StringList, TextsSurviveTheStorageBeingRepackedUnderEdits) {
  // Replacing and deleting lines drops far more text than the list keeps,
  // so the storage repacks many times; every line must read back intact,
  // including ones longer than any block the storage allocates at once.
  std::mt19937 rng(11);
  auto text = [&rng](int step) {
    const std::size_t length = rng() % 50 == 0 ? (std::size_t{1} << 19) + rng() % 1000 : rng() % 200;
    return std::string(length, static_cast<char>('a' + step % 26)) + std::to_string(step);
  };
  TStringList list;
  std::vector<std::string> model;
  for (int step = 0; step < 20000; ++step) {
    const int size = static_cast<int>(model.size());
    const int at = size == 0 ? 0 : static_cast<int>(rng() % static_cast<unsigned>(size));
    switch (size < 40 ? 0 : rng() % 3) {
      case 0:
        model.insert(model.begin() + at, text(step));
        list.Insert(at, model[static_cast<std::size_t>(at)]);
        break;
      case 1:
        model[static_cast<std::size_t>(at)] = text(step);
        list.SetStrings(at, model[static_cast<std::size_t>(at)]);
        break;
      default:
        // A line set from another line of the same list.
        list.SetStrings(at, list.Strings((at + 1) % size));
        model[static_cast<std::size_t>(at)] = model[static_cast<std::size_t>((at + 1) % size)];
        list.Delete((at + 2) % size);
        model.erase(model.begin() + (at + 2) % size);
    }
    if (step % 997 == 0 || step == 19999) {
      for (int i = 0; i < list.Count(); ++i) ASSERT_EQ(list.Strings(i), model[static_cast<std::size_t>(i)]) << step;
    }
  }
}

TEST(StringList, AddingABatchOfLinesKeepsOrderOrSortsAndNotifiesOnce) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  list.Add("first");
  std::vector<std::string> batch(300, "x");
  batch[299] = "last";
  list.AddStrings(std::move(batch));
  EXPECT_EQ(list.Count(), 301);
  EXPECT_EQ(list.Strings(300), "last");
  EXPECT_EQ(changes, 2);

  TStringList sorted;
  sorted.SetSorted(true);
  sorted.AddStrings(std::vector<std::string>{"b", "a", "B"});
  EXPECT_EQ(sorted.Text(), "a\r\nb\r\n");  // duplicates ignored, sorted order
}

TEST(StringList, MergedLinesLandWhereTheFirstLineNotLessStandsAndOrderIsKept) {
  std::mt19937 rng(11);
  auto word = [&rng] { return std::string(1 + rng() % 3, static_cast<char>('a' + rng() % 4)); };
  for (int round = 0; round < 50; ++round) {
    std::vector<std::string> model(rng() % 400), added(rng() % 300);
    for (std::string& line : model) line = word();
    for (std::string& line : added) line = word();
    std::sort(model.begin(), model.end());
    std::sort(added.begin(), added.end());
    TStringList list;
    for (const std::string& line : model) list.Add(line);
    for (const std::string& line : added) model.insert(std::lower_bound(model.begin(), model.end(), line), line);
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.MergeLines(std::vector<std::string_view>(added.begin(), added.end()));
    ASSERT_EQ(list.Count(), static_cast<int>(model.size()));
    for (int i = 0; i < list.Count(); ++i) ASSERT_EQ(list.Strings(i), model[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(list.InByteOrder());
    EXPECT_EQ(changes, added.empty() ? 0 : 1);
    list.Add("a");  // the order is still counted after the merge
    EXPECT_EQ(list.InByteOrder(), model.empty() || model.back() <= "a");
  }
  TStringList unordered;
  unordered.Add("b");
  unordered.Add("a");
  std::vector<std::string_view> lines{"c"};
  EXPECT_THROW(unordered.MergeLines(lines), EStringListError);
  TStringList ordered;
  ordered.Add("a");
  std::vector<std::string_view> descending{"c", "b"};
  EXPECT_THROW(ordered.MergeLines(descending), EStringListError);
  EXPECT_EQ(ordered.Text(), "a\r\n");
}
