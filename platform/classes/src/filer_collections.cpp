// TReader and TWriter: collections and wide characters as property values.
#include "platform/streaming/form_codec.h"
#include "platform/rtti/class_info.h"
#include "platform/classes/collection.h"
#include "platform/base/exceptions.h"
#include "platform/classes/reader.h"
#include "platform/base/scope_exit.h"
#include "platform/classes/writer.h"

namespace platform {

namespace {

// Gives a collection back the items it had unless the read was committed.
class TRestoreItems {
 public:
  explicit TRestoreItems(TCollection& collection) : collection_(collection), saved_(collection.ItemClass()) {
    collection_.Exchange(saved_);
  }
  ~TRestoreItems() {
    if (committed_) return;
    collection_.Clear();
    collection_.Exchange(saved_);
  }
  TRestoreItems(const TRestoreItems&) = delete;
  TRestoreItems& operator=(const TRestoreItems&) = delete;
  void Commit() { committed_ = true; }

 private:
  TCollection& collection_;
  TCollection saved_;
  bool committed_ = false;
};

}  // namespace

char16_t TReader::ReadWideChar() {
  const std::int64_t at = Offset();
  switch (NextValue()) {
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64: {
      const std::int64_t code = ReadInt64();
      if (code < 0 || code > 0xFFFF) ReadErrorAt("Character code " + std::to_string(code) + " out of range", at);
      return static_cast<char16_t>(code);
    }
    case vaWString: {
      const std::u16string s = ReadWideString();
      if (s.size() != 1) ReadErrorAt("Expected one character but found " + std::to_string(s.size()), at);
      return s[0];
    }
    default: {
      const std::string s = ReadString();
      // A single byte stands for itself, as Latin-1; longer text must be one UTF-8 character.
      if (s.size() == 1) return static_cast<unsigned char>(s[0]);
      const std::u16string units = formcodec::Utf8ToUtf16(s);
      if (units.size() != 1) ReadErrorAt("Expected one character but found " + std::to_string(units.size()), at);
      return units[0];
    }
  }
}

void TReader::ReadCollection(TCollection& collection) { ReadCollection(collection, collection.GetNamePath()); }

void TReader::ReadCollection(TCollection& collection, const std::string& where) {
  CheckValue(vaCollection);
  TReader::TNestingScope nesting(*this);
  TRestoreItems restore(collection);
  while (!EndOfList()) {
    const std::int64_t at = Offset();
    const TValueType next = NextValue();
    // An order number may stand before an item; items keep the stream's order.
    if (next == vaInt8 || next == vaInt16 || next == vaInt32) {
      ReadInteger();
    } else if (next != vaList) {
      ReadErrorAt(std::string("Expected a collection item but found ") + ValueTypeName(next), at);
    }
    const std::string itemPath = where + "[" + std::to_string(collection.Count()) + "]";
    TCollectionItem* item = collection.Add();
    ReadListBegin();
    while (!EndOfList()) ReadProperty(item, itemPath);
    ReadListEnd();
  }
  ReadListEnd();
  restore.Commit();
}

void TWriter::WriteWideChar(char16_t value) {
  if (Generation() < 4) return WriteInteger(value);
  WriteWideString(std::u16string_view(&value, 1));
}

void TWriter::WriteCollection(const TCollection& collection) {
  if (depth_ >= formcodec::kMaxDepth) throw EWriteError("Collections nested too deeply at " + collection.GetNamePath());
  WriteValue(vaCollection);
  // Item properties are named from the item, not from the collection's owner.
  TScopeExit restore([this, saved = std::move(prefix_)]() mutable {
    prefix_ = std::move(saved);
    --depth_;
  });
  prefix_.clear();
  ++depth_;
  for (int i = 0; i < collection.Count(); ++i) {
    WriteListBegin();
    WriteProperties(*collection.Items(i));
    WriteListEnd();
  }
  WriteListEnd();
}

}  // namespace platform
