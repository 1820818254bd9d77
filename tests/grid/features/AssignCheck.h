// Checks that Assign copies exactly the listed fields: every field is changed
// on the source, then the copy must equal the source in the copied fields and
// keep its own value in the others.
#pragma once

#include "grid/foundation/GridPersistent.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

template <class T>
struct TAssignField {
  const char* Name;
  std::function<void(T&)> Change;
  std::function<bool(T&, T&)> Same;
  bool Copied;
};

template <class T>
void ExpectAssignCopies(const std::vector<TAssignField<T>>& Fields, const std::function<std::unique_ptr<T>()>& Make) {
  auto source = Make();
  auto target = Make();
  for (const auto& f : Fields) f.Change(*source);
  for (const auto& f : Fields) ASSERT_FALSE(f.Same(*target, *source)) << f.Name << " did not change";
  // A source of another class changes nothing.
  TGridPersistent other;
  target->Assign(&other);
  for (const auto& f : Fields) EXPECT_FALSE(f.Same(*target, *source)) << f.Name << " taken from another class";
  target->Assign(source.get());
  for (const auto& f : Fields) EXPECT_EQ(f.Same(*target, *source), f.Copied) << f.Name;
}

// A plain field set to a value that differs from its default.
#define ASSIGN_FIELD(T, field, value, copied)                                                       \
  TAssignField<T> {                                                                                 \
#field, [](T & o) { o.field = value; }, [](T & a, T & b) { return a.field == b.field; }, copied \
  }
