#include "platform/Messages.h"

#include <gtest/gtest.h>

TEST(RegisteredIds, ClipboardFormatsAndMessagesShareOneTable) {
  const UINT format = RegisterClipboardFormat("MsgTest Shared Name");
  EXPECT_GE(format, 0xC000u);
  EXPECT_EQ(RegisterWindowMessage("msgtest shared name"), format);
  EXPECT_EQ(RegisterClipboardFormat("MsgTest Shared Name"), format);
  EXPECT_NE(RegisterClipboardFormat("MsgTest Other Name"), format);
}
