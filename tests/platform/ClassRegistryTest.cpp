#include "platform/ClassRegistry.h"

#include <gtest/gtest.h>

namespace {

TComponent* MakeA(TComponent* owner) { return new TComponent(owner); }
TComponent* MakeB(TComponent* owner) { return new TComponent(owner); }

struct ClassRegistryFixture : ::testing::Test {
  const QStringList Names{"TRegTestOne", "TRegTestTwo", "TRegTestThree"};
  void TearDown() override {
    for (const QString& n : Names) UnRegisterClass(n);
  }
};

}  // namespace

TEST_F(ClassRegistryFixture, OrderIsKeptAndRepeatsChangeNothing) {
  RegisterClass("TRegTestOne");
  RegisterClass("TRegTestTwo", MakeA);
  RegisterClass("TRegTestThree");
  RegisterClass("TRegTestOne");
  RegisterClass("tregtesttwo", MakeA);
  QStringList mine;
  for (const QString& n : RegisteredClassNames())
    if (Names.contains(n)) mine << n;
  EXPECT_EQ(mine, Names);
  EXPECT_EQ(GetClass("TRegTestTwo"), &MakeA);
  EXPECT_EQ(GetClass("TRegTestOne"), nullptr);
  EXPECT_TRUE(IsClassRegistered("TRegTestOne"));
}

TEST_F(ClassRegistryFixture, ANameRegisteredByNameTakesItsFactoryLater) {
  RegisterClass("TRegTestOne");
  RegisterClass("TRegTestOne", MakeB);
  EXPECT_EQ(FindClass("TRegTestOne"), &MakeB);
}

TEST_F(ClassRegistryFixture, AnotherFactoryForAKnownNameIsRefused) {
  RegisterClass("TRegTestOne", MakeA);
  try {
    RegisterClass("TRegTestOne", MakeB);
    FAIL() << "no error";
  } catch (const EFilerError& e) {
    EXPECT_EQ(e.Message(), "A class named TRegTestOne already exists");
  }
  EXPECT_EQ(GetClass("TRegTestOne"), &MakeA);
}

TEST_F(ClassRegistryFixture, FindClassOfAnUnknownNameRaises) {
  EXPECT_THROW(FindClass("TRegTestNever"), EClassNotFound);
  EXPECT_EQ(GetClass("TRegTestNever"), nullptr);
}
