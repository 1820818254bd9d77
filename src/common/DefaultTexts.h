// The English default texts of the user interface: one entry per id, 0 to
// 5599, in id order. FillDefaultTexts copies them into LanguageTexts.
#pragma once

#include <span>

struct TDefaultText {
  int Id;
  const char16_t* Text;
};

constexpr int DefaultTextCount = 5600;

std::span<const TDefaultText> DefaultTexts();
