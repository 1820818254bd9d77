#include "grid/core/CellHtmlText.h"

#include <gtest/gtest.h>

namespace {

// "ß" and the ligatures grow under the full upper-case rule; the positions
// of the attributes must still be those of the text itself.
TEST(CellHtmlText, ControlValuesBehindLettersThatGrowInUpperCase) {
  const char16_t* cases[] = {u"VALUE=\"v\" PROP=\"ßß\"", u"PROP=\"\uFB01\uFB03\" VALUE=\"v\"", u"VALUE=\"v\""};
  for (const char16_t* attributes : cases) {
    QString text = "Straße <CONTROL TYPE=\"EDIT\" " + QString::fromUtf16(attributes) + " ID=\"e1\">ß";
    const QString expected = QString(text).replace("\"v\"", "\"new\"");
    const std::string label = text.toStdString();
    QString value;
    ASSERT_TRUE(GetCellControlValue(text, "e1", value)) << label;
    EXPECT_EQ(value, "v") << label;
    ASSERT_TRUE(SetCellControlValue(text, "e1", "new")) << label;
    EXPECT_EQ(text, expected) << label;
  }
}

}  // namespace
