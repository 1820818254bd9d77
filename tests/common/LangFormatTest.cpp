#include "common/LangFormat.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"

#include <gtest/gtest.h>

namespace {

TEST(LangFormat, OnlyPlainIntegerPlaceholdersOfTheRightCountAreUsed) {
  struct Case {
    const char* Text;
    int Count;
    bool Fits;
  };
  const Case cases[] = {
      {"Device %d", 1, true},   {"Device %d, %d", 1, false}, {"Device", 1, false},     {"%s", 1, false},
      {"%5d", 1, false},        {"%-d", 1, false},           {"100%% of %d", 1, true}, {"50 % of %d", 1, true},
      {"ends with %", 0, true}, {"%d%d", 2, true},           {"%x", 1, false},         {"", 0, true},
  };
  for (const Case& c : cases) EXPECT_EQ(HasIntegerPlaceholders(c.Text, c.Count), c.Fits) << c.Text;
}

TEST(LangFormat, AMismatchedTranslationFallsBackToTheEnglishDefault) {
  FillDefaultTexts();
  LanguageTexts->SetStrings(5485, "Gerät %d!! %s %s");
  EXPECT_EQ(LangFormat(5485, {7}), "Error Device 7!! Device EUI must have 8 bytes (16 characters)");
  LanguageTexts->SetStrings(5485, "Gerät %d");
  EXPECT_EQ(LangFormat(5485, {7}), "Gerät 7");
  ResetShellState();
  // Without any table the English default is still there.
  EXPECT_EQ(LangFormat(5489, {2}), "Error Device 2!! Activation Method must be selected");
}

}  // namespace
