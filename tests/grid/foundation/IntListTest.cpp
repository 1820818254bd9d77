#include "grid/foundation/IntList.h"

#include "platform/SysUtils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct IntListTest : ::testing::Test {
  TIntList List{3, 7};
  std::vector<std::string> Heard;
  void SetUp() override {
    List.OnChange = [this](TObject* s, int c, int r) {
      Heard.push_back((s == &List ? "" : "?") + std::to_string(c) + "," + std::to_string(r));
    };
  }
};

}  // namespace

TEST_F(IntListTest, OneChangeForEachNotifyingOperationNoneForInsertAndClear) {
  struct Step {
    const char* Name;
    std::function<void(TIntList&)> Run;
    size_t Changes;
  };
  const std::vector<Step> steps = {
      {"Add", [](TIntList& l) { l.Add(4); }, 1},
      {"Insert", [](TIntList& l) { l.Insert(0, 4); }, 0},
      {"Delete", [](TIntList& l) { l.Delete(0); }, 1},
      {"SetInteger", [](TIntList& l) { l.SetInteger(0, 9); }, 1},
      {"DeleteValue found", [](TIntList& l) { l.DeleteValue(9); }, 1},
      {"DeleteValue absent", [](TIntList& l) { l.DeleteValue(9); }, 0},
      {"Clear", [](TIntList& l) { l.Clear(); }, 0},
  };
  for (const Step& s : steps) {
    Heard.clear();
    s.Run(List);
    EXPECT_EQ(Heard.size(), s.Changes) << s.Name;
  }
  List.Add(1);
  EXPECT_EQ(Heard.back(), "3,7");
}

TEST_F(IntListTest, FirstOccurrenceOfADoubleValue) {
  List.SetStrValue("5,6,5");
  EXPECT_TRUE(List.HasValue(5));
  List.DeleteValue(5);
  EXPECT_EQ(List.StrValue(), "6,5");
}

TEST_F(IntListTest, StrValueRoundTripAndConversionError) {
  EXPECT_EQ(List.StrValue(), "");
  List.Add(99);
  Heard.clear();
  List.SetStrValue("1, -2 $10,0x11");
  EXPECT_EQ(List.StrValue(), "1,-2,16,17");
  EXPECT_EQ(Heard.size(), 4u);  // emptying is silent, each item notifies
  EXPECT_THROW(List.SetStrValue("4,x7y,5"), EConvertError);
  EXPECT_EQ(List.StrValue(), "4");
  EXPECT_THROW(List.GetInteger(1), EListError);
}
