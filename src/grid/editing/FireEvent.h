// Fires an event when it is assigned; the mouse handlers fire many in a row.
#pragma once

#include <utility>

template <class Event, class... Args>
void Fire(const Event& E, Args&&... A) {
  if (E) E(std::forward<Args>(A)...);
}
