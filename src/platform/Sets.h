// A set of the members of an enumeration, as the class library's flag sets
// behave: built from a list, tested with Contains, changed with Include and
// Exclude, combined with + (union), - (difference) and * (intersection).
// Up to 64 members; the bits are public so that a set can travel in a
// message parameter and come back.
#pragma once

#include <cstdint>
#include <initializer_list>

template <class E>
struct TSet {
  std::uint64_t bits = 0;

  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E m : members) bits |= Bit(m);
  }
  static constexpr TSet FromBits(std::uint64_t value) {
    TSet s;
    s.bits = value;
    return s;
  }

  constexpr bool Contains(E m) const { return (bits & Bit(m)) != 0; }
  constexpr void Include(E m) { bits |= Bit(m); }
  constexpr void Exclude(E m) { bits &= ~Bit(m); }
  constexpr bool Empty() const { return bits == 0; }

  constexpr TSet operator+(TSet o) const { return FromBits(bits | o.bits); }
  constexpr TSet operator-(TSet o) const { return FromBits(bits & ~o.bits); }
  constexpr TSet operator*(TSet o) const { return FromBits(bits & o.bits); }
  constexpr TSet& operator+=(TSet o) {
    bits |= o.bits;
    return *this;
  }
  constexpr TSet& operator-=(TSet o) {
    bits &= ~o.bits;
    return *this;
  }
  constexpr bool operator==(const TSet&) const = default;

private:
  static constexpr std::uint64_t Bit(E m) { return std::uint64_t(1) << unsigned(m); }
};
