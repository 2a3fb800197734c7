#pragma once
// TCollection: an ordered list of items of one class that it owns, streamed
// as a single value of the property that holds it. TCollectionItem: the base
// of those items; a descendant's published properties are streamed per item.
#include <string>
#include <vector>

#include "platform/rtti/object.h"

namespace platform {

class TCollection;

class TCollectionItem : public TPersistent {
  LXV_CLASS(TCollectionItem, TPersistent)
 public:
  // Joins `collection` at its end when one is given. Descendants keep this
  // constructor's signature: the collection creates its items through it.
  explicit TCollectionItem(TCollection* collection = nullptr);
  ~TCollectionItem() override;  // leaves the collection

  TCollection* Collection() const { return collection_; }
  // Moves the item to the end of another collection (nullptr: to none, and
  // the caller owns it). Raises EConvertError when the item's class does not
  // fit the collection.
  void SetCollection(TCollection* collection);
  int Index() const;  // -1 outside a collection
  void SetIndex(int index);
  // The collection's path followed by "[index]".
  std::string GetNamePath() const override;

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
};

class TCollection : public TPersistent {
  LXV_CLASS(TCollection, TPersistent)
 public:
  // itemClass must descend from TCollectionItem (EConvertError otherwise).
  // owner is only used to name the collection, as Owner.Property.
  explicit TCollection(TClass itemClass, TPersistent* owner = nullptr);
  ~TCollection() override;  // frees the items

  TClass ItemClass() const { return itemClass_; }
  TPersistent* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError outside 0..Count-1.
  TCollectionItem* Items(int index) const;
  void SetItems(int index, const TCollectionItem* value) { Items(index)->Assign(value); }

  TCollectionItem* Add();
  TCollectionItem* Insert(int index);  // 0..Count
  void Delete(int index);              // frees the item
  void Clear();
  // Exchanges the items of two collections of the same item class.
  void Exchange(TCollection& other);

  // Replaces the items with copies of source's (each item assigned from its
  // counterpart); on failure the collection keeps what it had.
  void Assign(const TPersistent* source) override;
  // Owner's path and the name of the owner's property that holds this
  // collection; the class name without an owner.
  std::string GetNamePath() const override;

 private:
  friend class TCollectionItem;
  void CheckIndex(int index, int limit) const;
  TCollectionItem* NewItem() const;
  void Attach(TCollectionItem* item, int index);
  void Detach(TCollectionItem* item);

  TClass itemClass_;
  TPersistent* owner_;
  std::vector<TCollectionItem*> items_;
};

}  // namespace platform
