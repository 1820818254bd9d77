#include "platform/Classes.h"

#include <gtest/gtest.h>

TEST(StringList, TextUsesCrLfAndSplitsEveryLineEnd) {
  TStringList l;
  l.SetText("a\r\nb\nc\rd");
  ASSERT_EQ(l.Count(), 4);
  EXPECT_EQ(l[3], "d");
  EXPECT_EQ(l.Text(), "a\r\nb\r\nc\r\nd\r\n");
}

TEST(StringList, CommaTextQuotesWhereNeeded) {
  TStringList l;
  l.Add("plain");
  l.Add("with blank");
  l.Add("say \"hi\"");
  l.Add("a,b");
  EXPECT_EQ(l.CommaText(), "plain,\"with blank\",\"say \"\"hi\"\"\",\"a,b\"");
  TStringList back;
  back.SetCommaText(l.CommaText());
  EXPECT_EQ(back.ToQStringList(), l.ToQStringList());
  back.SetCommaText("x y,z");  // an unquoted blank separates items, as in the library
  EXPECT_EQ(back.ToQStringList(), QStringList({"x", "y", "z"}));
}

TEST(StringList, ObjectsAreKeptNotFreedAndIndexIsChecked) {
  TObject obj;
  TStringList l;
  l.AddObject("a", &obj);
  EXPECT_EQ(l.Objects(0), &obj);
  EXPECT_EQ(l.IndexOfObject(&obj), 0);
  EXPECT_THROW(l.Strings(1), EListError);
  EXPECT_THROW(l.Delete(-1), EListError);
  l.Clear();  // obj stays alive (it is on the stack): the list never frees it
}

TEST(StringList, SortedListKeepsOrderAndNameValue) {
  TStringList l;
  l.SetSorted(true);
  l.Add("b");
  l.Add("A");
  l.Add("c");
  EXPECT_EQ(l.ToQStringList(), QStringList({"A", "b", "c"}));
  TStringList kv;
  kv.Add("key=value");
  EXPECT_EQ(kv.Values("KEY"), "value");
  kv.SetValue("other", "1");
  EXPECT_EQ(kv.Text(), "key=value\r\nother=1\r\n");
}

namespace {
class Watcher : public TComponent {
public:
  using TComponent::TComponent;
  TComponent* Removed = nullptr;

protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == TOperation::opRemove) Removed = c;
  }
};
class Counted : public TComponent {
public:
  Counted(TComponent* owner, int& alive) : TComponent(owner), FAlive(alive) { ++FAlive; }
  ~Counted() override { --FAlive; }

private:
  int& FAlive;
};
}  // namespace

TEST(Component, OwnerFreesWhatItOwnsAndNotifies) {
  int alive = 0;
  Watcher watcher(nullptr);
  {
    TComponent owner(nullptr);
    auto* a = new Counted(&owner, alive);
    new Counted(a, alive);
    EXPECT_EQ(alive, 2);
    EXPECT_EQ(owner.ComponentCount(), 1);
    watcher.FreeNotification(a);
  }
  EXPECT_EQ(alive, 0);
  EXPECT_NE(watcher.Removed, nullptr);
}

// Two components of one owner that asked about each other: whichever is freed
// first is let go by the other, and the one left is freed without telling the gone one.
TEST(Component, SiblingsThatAskedHearOfEachOthersRemoval) {
  for (const bool firstGoesFirst : {true, false}) {
    TComponent owner(nullptr);
    auto* a = new Watcher(&owner);
    auto* b = new Watcher(&owner);
    a->FreeNotification(b);
    b->FreeNotification(a);
    Watcher* gone = firstGoesFirst ? a : b;
    Watcher* left = firstGoesFirst ? b : a;
    delete gone;
    EXPECT_EQ(left->Removed, gone) << firstGoesFirst;
    EXPECT_EQ(owner.ComponentCount(), 1);
  }
}
