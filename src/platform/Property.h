// The setter rule of every published property: the same value changes
// nothing; another value is stored, then whoever depends on it is told
// (a repaint, a layout, a change event).
#pragma once

#include <utility>

template <class T, class U, class Notify>
bool SetProperty(T& field, U&& value, Notify&& notify) {
  if (field == value) return false;
  field = std::forward<U>(value);
  notify();
  return true;
}

template <class T, class U>
bool SetProperty(T& field, U&& value) {
  if (field == value) return false;
  field = std::forward<U>(value);
  return true;
}
