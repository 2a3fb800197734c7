// Collections as objects and as form values, and wide characters.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/classes/collection.h"
#include "platform/base/exceptions.h"
#include "platform/form_files/form_text.h"
#include "platform/classes/reader.h"
#include "platform/rtti/class_registry.h"
#include "platform/streaming/streams.h"
#include "platform/classes/writer.h"
#include "support/form_vectors.h"
#include "support/vec_classes.h"

using namespace platform;
using namespace lxvtest;

namespace {

// An item class that cannot be constructed, and a component holding a
// collection of it.
class TAbstractItem : public TCollectionItem {
  LXV_CLASS(TAbstractItem, TCollectionItem)
 public:
  explicit TAbstractItem(TCollection* collection) : TCollectionItem(collection) {}
  virtual void Paint() = 0;
};

class TAbstractHolder : public TVecBase {
  LXV_CLASS(TAbstractHolder, TVecBase)
 public:
  explicit TAbstractHolder(TComponent* owner) : TVecBase(owner) {}
  TCollection ItemsObj{TAbstractItem::StaticClass(), this};
  TCollection* Items() const { return const_cast<TCollection*>(&ItemsObj); }
  void SetItems(TCollection* value) { ItemsObj.Assign(value); }
};

TClass TAbstractItem::StaticClass() {
  static const TClassInfo info = TClassBuilder<TAbstractItem>("TAbstractItem").Build();
  return &info;
}

TClass TAbstractHolder::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TAbstractHolder>("TAbstractHolder").Property("Items", &TAbstractHolder::Items, &TAbstractHolder::SetItems).Build();
  return &info;
}

std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) out += static_cast<char>(b);
  return out;
}

std::vector<std::string> Captions(const TCollection& c) {
  std::vector<std::string> out;
  for (int i = 0; i < c.Count(); ++i) out.push_back(static_cast<TVecColumn*>(c.Items(i))->Caption);
  return out;
}

TVecColumn* AddColumn(TCollection& c, const std::string& caption) {
  auto* column = static_cast<TVecColumn*>(c.Add());
  column->Caption = caption;
  return column;
}

class FormCollections : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterVecClasses();
    RegisterClass(TAbstractHolder::StaticClass());
  }
  void TearDown() override {
    for (TComponent* c : owned_) c->Free();
  }

  TVecForm* Read(const std::string& bytes, TComponent* root = nullptr, int generation = HostGeneration()) {
    TMemoryStream stream(bytes);
    TReader reader(stream, generation);
    auto* form = static_cast<TVecForm*>(reader.ReadRootComponent(root));
    if (root == nullptr) owned_.push_back(form);
    return form;
  }
  static std::string Write(TComponent* root, int generation = HostGeneration()) {
    TMemoryStream stream;
    TWriter writer(stream, generation);
    writer.WriteRootComponent(root);
    return stream.Data();
  }
  // A form holding one grid whose Columns are given as text; `inherited`
  // reads it into a form that already has the grid.
  static std::string GridForm(const std::string& columns, bool inherited = false) {
    const std::string grid = inherited ? "inherited" : "object";
    return FormContentToBinary("object F: TVecForm\n  " + grid + " Grid1: TVecGrid\n    Columns = " + columns +
                               "\n  end\nend\n");
  }
  static std::string ReadError(const std::string& bytes) {
    TVecForm form(nullptr);
    try {
      TMemoryStream stream(bytes);
      TReader(stream).ReadRootComponent(&form);
    } catch (const EReadError& e) {
      return e.what();
    }
    return "accepted";
  }

  std::vector<TComponent*> owned_;
};

}  // namespace

TEST(Collection, ItemsKeepTheirCollectionAndIndex) {
  TCollection c(TVecColumn::StaticClass());
  TVecColumn* a = AddColumn(c, "a");
  AddColumn(c, "c");
  static_cast<TVecColumn*>(c.Insert(1))->Caption = "b";
  EXPECT_EQ(Captions(c), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(a->Collection(), &c);
  EXPECT_EQ(c.Items(2)->Index(), 2);
  EXPECT_EQ(a->Width, 64);  // the item's own constructor ran

  a->SetIndex(2);
  EXPECT_EQ(Captions(c), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_THROW(a->SetIndex(3), EListError);
  c.Delete(0);
  EXPECT_EQ(Captions(c), (std::vector<std::string>{"c", "a"}));
  c.Items(0)->Free();  // an item freed on its own leaves the collection
  EXPECT_EQ(Captions(c), (std::vector<std::string>{"a"}));
  EXPECT_EQ(a->Index(), 0);
  EXPECT_THROW(c.Items(1), EListError);
  EXPECT_THROW(c.Insert(2), EListError);
  EXPECT_THROW(c.Delete(-1), EListError);
  c.Clear();
  EXPECT_EQ(c.Count(), 0);
}

TEST(Collection, ItemsMoveBetweenCollectionsOfTheirClass) {
  TCollection from(TVecColumn::StaticClass());
  TCollection to(TVecColumn::StaticClass());
  AddColumn(to, "first");
  TVecColumn* moving = AddColumn(from, "moving");
  moving->SetCollection(&to);
  EXPECT_EQ(from.Count(), 0);
  EXPECT_EQ(Captions(to), (std::vector<std::string>{"first", "moving"}));

  TOwned<TVecColumn> loose(moving);
  moving->SetCollection(nullptr);
  EXPECT_EQ(to.Count(), 1);
  EXPECT_EQ(moving->Index(), -1);

  TCollection plain(TCollectionItem::StaticClass());
  TOwned<TCollectionItem> base(plain.Add());
  base->SetCollection(nullptr);
  EXPECT_THROW(base->SetCollection(&to), EConvertError);  // not a column
  EXPECT_EQ(base->Collection(), nullptr);
  EXPECT_THROW(TCollection(TVecForm::StaticClass()), EConvertError);
}

TEST(Collection, AssignCopiesItemsOrKeepsWhatItHad) {
  TCollection source(TVecColumn::StaticClass());
  AddColumn(source, "x")->Width = 10;
  AddColumn(source, "y")->Visible = false;
  TCollection dest(TVecColumn::StaticClass());
  AddColumn(dest, "old");
  dest.Assign(&source);
  ASSERT_EQ(Captions(dest), (std::vector<std::string>{"x", "y"}));
  auto* copied = static_cast<TVecColumn*>(dest.Items(0));
  EXPECT_NE(copied, source.Items(0));
  EXPECT_EQ(copied->Width, 10);
  EXPECT_FALSE(static_cast<TVecColumn*>(dest.Items(1))->Visible);
  dest.Assign(&dest);
  EXPECT_EQ(dest.Count(), 2);

  // Base items have no Assign of their own: the copy fails and dest is unchanged.
  TCollection plain(TCollectionItem::StaticClass());
  plain.Add();
  EXPECT_THROW(dest.Assign(&plain), EConvertError);
  EXPECT_EQ(Captions(dest), (std::vector<std::string>{"x", "y"}));
  TStringList notACollection;
  EXPECT_THROW(dest.Assign(&notACollection), EConvertError);
}

TEST(Collection, NamePathFollowsTheOwnersProperty) {
  TVecGrid grid(nullptr);
  grid.SetName("Grid1");
  AddColumn(grid.ColumnsObj, "a");
  AddColumn(grid.ColumnsObj, "b");
  EXPECT_EQ(grid.ColumnsObj.GetNamePath(), "Grid1.Columns");
  EXPECT_EQ(grid.Column(1)->GetNamePath(), "Grid1.Columns[1]");
  EXPECT_EQ(grid.EmptyColsObj.GetNamePath(), "Grid1.EmptyCols");
  TCollection ownerless(TVecColumn::StaticClass());
  EXPECT_EQ(ownerless.GetNamePath(), "TCollection");
}

TEST_F(FormCollections, TextValuesVectorReadsIntoObjectsAndWritesBack) {
  const std::string bytes = FormFixture("t01_text_values.bin");
  TVecForm* form = Read(bytes);
  auto* grid = static_cast<TVecGrid*>(form->FindComponent("Grid1"));
  ASSERT_NE(grid, nullptr);
  ASSERT_EQ(Captions(grid->ColumnsObj), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(grid->Column(0)->Width, 100);
  EXPECT_TRUE(grid->Column(0)->Visible);
  EXPECT_EQ(grid->Column(1)->Width, 64);
  EXPECT_FALSE(grid->Column(1)->Visible);
  EXPECT_EQ(grid->EmptyColsObj.Count(), 0);
  EXPECT_EQ(static_cast<TVecMisc*>(form->FindComponent("Misc1"))->WideCh, u'\x20AC');
  auto* str = static_cast<TVecStrings*>(form->FindComponent("Str1"));
  EXPECT_EQ(str->Uni, "Uni \xC3\xA9\xE4\xB8\xAD");  // wide strings arrive as UTF-8
  EXPECT_EQ(str->Len256.size(), 256u);
  auto* flt = static_cast<TVecFloats*>(form->FindComponent("Flt1"));
  EXPECT_DOUBLE_EQ(flt->Tiny, 1.5e-5);
  EXPECT_DOUBLE_EQ(flt->Cur, 12.34);

  // Every value of the vector comes back as it was, in the same order, except
  // where the test classes hold less than the stream: doubles for 80-bit
  // floats and UTF-8 for wide strings. The written form adds the ordinals
  // without a default, which the hand-made vector leaves out.
  const std::string written = Write(form);
  const std::vector<std::string> expected = ValuesListing(DecodeBinaryForm(bytes));
  const std::vector<std::string> got = ValuesListing(DecodeBinaryForm(written));
  const char* const narrowed[] = {"prop HighBytes ", "prop Uni ", "prop Pi_ ", "prop Huge ",
                                  "prop Tiny ",      "prop Ext ", "prop Cur "};
  auto at = got.begin();
  for (const std::string& line : expected) {
    if (std::any_of(std::begin(narrowed), std::end(narrowed),
                    [&](const char* p) { return line.find(p) != std::string::npos; }))
      continue;
    const auto found = std::find(at, got.end(), line);
    ASSERT_NE(found, got.end()) << "missing or out of order: " << line;
    at = found + 1;
  }
  // What was written reads back to the same objects.
  EXPECT_EQ(Write(Read(written)), written);
}

TEST_F(FormCollections, CollectionVectorLayoutAndEmptyCollections) {
  // The layout of FORMAT.md's collection example: no order numbers, the empty
  // collection as vaCollection and its end.
  auto* form = new TVecForm(nullptr);
  owned_.push_back(form);
  form->SetName("GridForm");
  auto* grid = new TVecGrid(form);
  grid->SetName("Grid1");
  AddColumn(grid->ColumnsObj, "Name")->Width = 120;
  AddColumn(grid->ColumnsObj, "Size")->Align = alRight;
  AddColumn(grid->ColumnsObj, "")->Visible = false;
  const std::string bytes = Write(form);
  const std::string columns = Bytes({7}) + "Columns" + Bytes({0x0E, 1, 7}) + "Caption" + Bytes({6, 4}) + "Name" +
                              Bytes({5}) + "Width" + Bytes({2, 0x78, 0, 1, 7}) + "Caption" + Bytes({6, 4}) + "Size" +
                              Bytes({5}) + "Align" + Bytes({7, 7}) + "alRight" + Bytes({0, 1, 7}) + "Visible" +
                              Bytes({8, 0, 0, 9}) + "EmptyCols" + Bytes({0x0E, 0, 0, 0, 0});
  EXPECT_NE(bytes.find(columns), std::string::npos);

  EXPECT_EQ(Write(Read(bytes)), bytes);
}

TEST_F(FormCollections, ACollectionValueReplacesTheItems) {
  TVecForm* form = Read(GridForm("<\n item\n Caption = 'a'\n end>"));
  auto* grid = static_cast<TVecGrid*>(form->FindComponent("Grid1"));
  AddColumn(grid->ColumnsObj, "stale");
  Read(GridForm("<\n item\n Caption = 'n'\n end>", true), form);
  EXPECT_EQ(Captions(grid->ColumnsObj), (std::vector<std::string>{"n"}));
  Read(GridForm("<>", true), form);
  EXPECT_EQ(grid->ColumnsObj.Count(), 0);
}

TEST_F(FormCollections, OrderNumbersAreReadAndItemsKeepStreamOrder) {
  const std::string bytes = GridForm("<\n item [7]\n Caption = 'x'\n end\n item [2]\n Caption = 'y'\n end>");
  EXPECT_NE(bytes.find("\x0E\x02\x07\x01", 0, 4), std::string::npos);
  TVecForm* form = Read(bytes);
  auto* grid = static_cast<TVecGrid*>(form->FindComponent("Grid1"));
  EXPECT_EQ(Captions(grid->ColumnsObj), (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(Write(form).find("\x0E\x02", 0, 2), std::string::npos);  // the writer adds none
}

TEST_F(FormCollections, BadCollectionValuesRaiseAndLeaveTheItemsAlone) {
  EXPECT_NE(ReadError(GridForm("<\n item\n Colour = 1\n end>")).find("Property Colour of F.Grid1.Columns[0] does not exist"),
            std::string::npos);
  EXPECT_NE(ReadError(GridForm("<\n item\n Width = 'wide'\n end>")).find("Expected an integer but found vaString"),
            std::string::npos);
  // An integer that is not followed by an item's list.
  std::string noList = GridForm("<\n item [1]\n end>");
  noList[noList.find("\x0E\x02\x01", 0, 3) + 3] = vaInt8;
  EXPECT_NE(ReadError(noList).find("Expected vaList but found vaInt8"), std::string::npos);
  std::string badKind = GridForm("<\n item\n end>");
  badKind[badKind.find("\x0E\x01", 0, 2) + 1] = vaString;
  EXPECT_NE(ReadError(badKind).find("Expected a collection item but found vaString"), std::string::npos);
  EXPECT_NE(ReadError(FormContentToBinary("object F: TVecForm\n object L: TVecLabel\n Font = <>\n end\nend\n"))
                .find("Property F.L.Font is not a collection"),
            std::string::npos);
  const std::string abstractItems =
      FormContentToBinary("object F: TVecForm\n object H: TAbstractHolder\n Items = <\n item\n end>\n end\nend\n");
  EXPECT_NE(ReadError(abstractItems).find("Cannot create an item of the abstract class TAbstractItem"), std::string::npos);

  // Reading into an existing grid: the third item is bad, the grid keeps its
  // own items and the two read before the fault are freed.
  TVecForm form(nullptr);
  auto* grid = new TVecGrid(&form);
  grid->SetName("Grid1");
  AddColumn(grid->ColumnsObj, "mine");
  const std::string bad = GridForm(
      "<\n item\n Caption = 'a'\n end\n item\n Caption = 'b'\n end\n item\n Align = alNowhere\n end>", true);
  TMemoryStream stream(bad);
  EXPECT_THROW(TReader(stream).ReadRootComponent(&form), EReadError);
  EXPECT_EQ(Captions(grid->ColumnsObj), (std::vector<std::string>{"mine"}));
  EXPECT_EQ(grid->Column(0)->Collection(), &grid->ColumnsObj);
}

TEST_F(FormCollections, CollectionsInTextFormsRoundTrip) {
  const std::string bytes = FormContentToBinary(FormFixture("t01_text_values.src.txt"));
  TVecForm* form = Read(bytes);
  const std::string written = Write(form);
  TMemoryStream binary(written), text;
  ObjectBinaryToText(binary, text);
  EXPECT_NE(text.Data().find("    Columns = <\r\n      item\r\n        Caption = 'A'\r\n        Width = 100\r\n      end"),
            std::string::npos)
      << text.Data();
  EXPECT_NE(text.Data().find("EmptyCols = <>"), std::string::npos);
  EXPECT_EQ(FormContentToBinary(text.Data()), written);
}

TEST_F(FormCollections, WideCharactersByGeneration) {
  auto* form = new TVecForm(nullptr);
  owned_.push_back(form);
  form->SetName("F");
  auto* misc = new TVecMisc(form);
  misc->SetName("Misc1");
  misc->WideCh = u'\x20AC';
  const std::string g4 = Write(form, 4);
  EXPECT_NE(g4.find(Bytes({6}) + "WideCh" + Bytes({0x12, 1, 0, 0, 0, 0xAC, 0x20})), std::string::npos);
  const std::string g3 = Write(form, 3);
  EXPECT_NE(g3.find(Bytes({6}) + "WideCh" + Bytes({3, 0xAC, 0x20})), std::string::npos);
  EXPECT_EQ(static_cast<TVecMisc*>(Read(g3, nullptr, 3)->FindComponent("Misc1"))->WideCh, u'\x20AC');
  EXPECT_THROW(Read(g4, nullptr, 3), EReadError);  // generation 3 has no wide strings

  const auto read = [&](const std::string& value) {
    const std::string bytes =
        FormContentToBinary("object F: TVecForm\n object Misc1: TVecMisc\n WideCh = " + value + "\n end\nend\n");
    return static_cast<TVecMisc*>(Read(bytes)->FindComponent("Misc1"))->WideCh;
  };
  EXPECT_EQ(read("'A'"), u'A');
  EXPECT_EQ(read("#233"), u'\xE9');
  EXPECT_EQ(read("'\xE2\x82\xAC'"), u'\x20AC');  // one character in UTF-8
  EXPECT_EQ(read("8364"), u'\x20AC');
  EXPECT_THROW(read("'AB'"), EReadError);
  EXPECT_THROW(read("#8364#8364"), EReadError);
  EXPECT_THROW(read("65536"), EReadError);
  EXPECT_THROW(read("-1"), EReadError);
}
