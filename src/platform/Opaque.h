// Holds a value of a painting type of the toolkit (an image, a region) in a
// public header that must not include the toolkit's header. The value lives on
// the heap; copies are deep. Only the platform's sources, which see the whole
// type, make and read them; the types held are instantiated in Opaque.cpp.
#pragma once

#include <memory>

template <class T>
class TOpaque {
public:
  TOpaque();
  TOpaque(const T& value);  // NOLINT: stands in for a T member
  TOpaque(const TOpaque& other);
  TOpaque& operator=(const TOpaque& other);
  TOpaque& operator=(const T& value);
  ~TOpaque();

  T& operator*() { return *FValue; }
  const T& operator*() const { return *FValue; }
  T* operator->() { return FValue.get(); }
  const T* operator->() const { return FValue.get(); }

private:
  std::unique_ptr<T> FValue;
};
