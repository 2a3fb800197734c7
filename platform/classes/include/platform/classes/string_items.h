#pragma once
// The storage behind TStringList: items in blocks of bounded size, so that an
// insertion or deletion in the middle moves at most one block's tail plus a
// table of block starts, while indexed access stays a short search (and a
// cache hit on sequential walks).
#include <string>
#include <vector>

namespace platform {

class TObject;

struct TStringItem {
  std::string Text;
  TObject* Object = nullptr;
};

class TStringItems {
 public:
  int Size() const { return size_; }
  TStringItem& At(int index) { return Item(index); }
  const TStringItem& At(int index) const { return Item(index); }
  void Insert(int index, TStringItem item);
  void Erase(int index);
  void Clear();
  std::vector<TStringItem> TakeAll();
  void Reset(std::vector<TStringItem> items);

 private:
  static constexpr std::size_t kMaxBlock = 128;
  struct TBlock {
    std::vector<TStringItem> items;
  };
  TStringItem& Item(int index) const;
  std::size_t Locate(int index) const;  // block holding index (index < size_)
  void Split(std::size_t block);
  void ShiftStarts(std::size_t fromBlock, int delta);

  mutable std::vector<TBlock> blocks_;
  std::vector<int> starts_;  // index of the first item of each block
  mutable std::size_t lastBlock_ = 0;
  int size_ = 0;
};

}  // namespace platform
