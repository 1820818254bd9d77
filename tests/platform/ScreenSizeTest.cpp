#include "platform/ScreenSize.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

TEST(ScreenSize, TheOverrideStandsForTheScreenUntilItIsCleared) {
  const int real = QGuiApplication::primaryScreen()->geometry().width();
  EXPECT_EQ(ScreenWidth(), real);
  SetScreenWidthOverride(1270);
  EXPECT_EQ(ScreenWidth(), 1270);
  SetScreenWidthOverride(-5);
  EXPECT_EQ(ScreenWidth(), real);
  SetScreenWidthOverride(1271);
  SetScreenWidthOverride(0);
  EXPECT_EQ(ScreenWidth(), real);
}
