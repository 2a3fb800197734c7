#pragma once
// A set of a small enumeration, as the framework's `set of` types: at most 64
// elements, stored as bits.
#include <cstdint>
#include <initializer_list>

namespace platform {

template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E item : items) Include(item);
  }
  static constexpr TSet FromBits(std::uint64_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }

  constexpr bool Contains(E item) const { return (bits_ & Bit(item)) != 0; }
  constexpr TSet& Include(E item) { bits_ |= Bit(item); return *this; }
  constexpr TSet& Exclude(E item) { bits_ &= ~Bit(item); return *this; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr std::uint64_t Bits() const { return bits_; }

  constexpr TSet operator|(TSet other) const { return FromBits(bits_ | other.bits_); }
  constexpr TSet operator&(TSet other) const { return FromBits(bits_ & other.bits_); }
  constexpr TSet operator-(TSet other) const { return FromBits(bits_ & ~other.bits_); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr std::uint64_t Bit(E item) { return std::uint64_t{1} << static_cast<unsigned>(item); }
  std::uint64_t bits_ = 0;
};

}  // namespace platform
