#include "platform/classes/collection.h"

#include <algorithm>

#include "platform/rtti/class_info.h"
#include "platform/base/exceptions.h"
#include "platform/rtti/published.h"

namespace platform {

LXV_EMPTY_CLASS_INFO(TCollectionItem)

// The class check of SetCollection cannot run here: while this base is being
// constructed, the item's class is still TCollectionItem.
TCollectionItem::TCollectionItem(TCollection* collection) {
  if (collection != nullptr) collection->Attach(this, collection->Count());
}

TCollectionItem::~TCollectionItem() {
  if (collection_ != nullptr) collection_->Detach(this);
}

void TCollectionItem::SetCollection(TCollection* collection) {
  if (collection == collection_) return;
  if (collection != nullptr && !ClassType()->InheritsFrom(collection->ItemClass()))
    throw EConvertError("Cannot add a " + ClassName() + " to a collection of " + collection->ItemClass()->Name);
  if (collection_ != nullptr) collection_->Detach(this);
  if (collection != nullptr) collection->Attach(this, collection->Count());
}

int TCollectionItem::Index() const {
  if (collection_ == nullptr) return -1;
  const auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  const int current = Index();
  if (current < 0 || current == index) return;
  collection_->CheckIndex(index, collection_->Count() - 1);
  auto& items = collection_->items_;
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, this);
}

std::string TCollectionItem::GetNamePath() const {
  if (collection_ == nullptr) return ClassName();
  return collection_->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

LXV_EMPTY_CLASS_INFO(TCollection)

TCollection::TCollection(TClass itemClass, TPersistent* owner) : itemClass_(itemClass), owner_(owner) {
  if (itemClass == nullptr || !itemClass->InheritsFrom(TCollectionItem::StaticClass()))
    throw EConvertError("A collection's items must descend from TCollectionItem, not " +
                        (itemClass != nullptr ? itemClass->Name : std::string("nil")));
}

TCollection::~TCollection() { Clear(); }

void TCollection::CheckIndex(int index, int limit) const {
  if (index < 0 || index > limit) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

TCollectionItem* TCollection::Items(int index) const {
  CheckIndex(index, Count() - 1);
  return items_[static_cast<std::size_t>(index)];
}

TCollectionItem* TCollection::NewItem() const {
  if (!itemClass_->Construct) throw EConvertError("Cannot create an item of the abstract class " + itemClass_->Name);
  TOwned<TObject> object(itemClass_->Construct(nullptr));
  auto* item = DynCast<TCollectionItem>(object.get());
  if (item == nullptr) throw EConvertError(itemClass_->Name + " did not construct a TCollectionItem");
  object.release();
  return item;
}

void TCollection::Attach(TCollectionItem* item, int index) {
  items_.insert(items_.begin() + index, item);
  item->collection_ = this;
}

void TCollection::Detach(TCollectionItem* item) {
  items_.erase(std::find(items_.begin(), items_.end(), item));
  item->collection_ = nullptr;
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int index) {
  CheckIndex(index, Count());
  TOwned<TCollectionItem> item(NewItem());
  // A constructor may already have placed the item somewhere.
  if (item->collection_ != nullptr) item->collection_->Detach(item.get());
  items_.reserve(items_.size() + 1);
  Attach(item.get(), index);
  return item.release();
}

void TCollection::Delete(int index) { Items(index)->Free(); }

void TCollection::Clear() {
  std::vector<TCollectionItem*> items;
  items.swap(items_);
  for (TCollectionItem* item : items) item->collection_ = nullptr;
  for (TCollectionItem* item : items) item->Free();
}

void TCollection::Exchange(TCollection& other) {
  if (other.itemClass_ != itemClass_)
    throw EConvertError("Cannot exchange the items of collections of " + itemClass_->Name + " and " +
                        other.itemClass_->Name);
  items_.swap(other.items_);
  for (TCollectionItem* item : items_) item->collection_ = this;
  for (TCollectionItem* item : other.items_) item->collection_ = &other;
}

void TCollection::Assign(const TPersistent* source) {
  const auto* from = DynCast<TCollection>(source);
  if (from == nullptr) return TPersistent::Assign(source);
  if (from == this) return;
  TCollection copy(itemClass_);
  for (const TCollectionItem* item : from->items_) copy.Add()->Assign(item);
  Exchange(copy);
}

std::string TCollection::GetNamePath() const {
  if (owner_ == nullptr) return ClassName();
  const std::string ownerPath = owner_->GetNamePath();
  if (ownerPath.empty()) return ClassName();
  for (const TPropInfo* prop : owner_->ClassType()->AllProperties())
    if (prop->Kind == TTypeKind::Class && prop->GetObj && prop->GetObj(*owner_) == this)
      return ownerPath + "." + prop->Name;
  return ownerPath;
}

}  // namespace platform
