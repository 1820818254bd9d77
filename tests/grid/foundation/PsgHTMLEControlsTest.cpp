#include "grid/foundation/PsgHTMLEControls.h"

#include <gtest/gtest.h>

namespace {

TEST(HtmlControlFields, ParseReadsTheSevenAttributesAndDecodes) {
  const auto a = ParseControlAttributes(
      QStringLiteral("TYPE=\"edit\" ID=\"e1\" VALUE=\"a&amp;b\" WIDTH=\"80\" HEIGHT=\"30\" PROP=\"9&lt;9\" "
                     "MAXLEN=\"12x\">"));
  EXPECT_EQ(a.Type, "EDIT");
  EXPECT_EQ(a.Id, "e1");
  EXPECT_EQ(a.Value, "a&b");
  EXPECT_EQ(a.Width, "80");
  EXPECT_EQ(a.Height, "30");
  EXPECT_EQ(a.Prop, "9<9");
  EXPECT_EQ(a.MaxLen, "12x");
}

TEST(HtmlControlFields, ValueWriteRewritesTheTagInItsFixedOrder) {
  QString text = QStringLiteral("a<CONTROL TYPE=\"edit\" ID=\"e1\" VALUE=\"a&amp;b\" WIDTH=\"80\">z");
  QString value;
  ASSERT_TRUE(GetHtmlControlValue(text, QStringLiteral("e1"), value));
  EXPECT_EQ(value, "a&b");
  ASSERT_TRUE(SetHtmlControlValue(text, QStringLiteral("e1"), QStringLiteral("x<y")));
  EXPECT_EQ(text, "a<CONTROL ID=\"e1\" VALUE=\"x&lt;y\" WIDTH=\"80\" TYPE=\"EDIT\">z");
}

TEST(HtmlControlFields, HeightPropAndMaxLenSurviveAValueWrite) {
  QString text = QStringLiteral(
      "<control type=\"button\" height=\"40\" id=\"b\" value=\"OK\" width=\"60\" prop=\"&amp;\" maxlen=\"3\">");
  ASSERT_TRUE(SetHtmlControlValue(text, QStringLiteral("b"), QStringLiteral("Go")));
  EXPECT_EQ(text,
            "<CONTROL ID=\"b\" VALUE=\"Go\" WIDTH=\"60\" TYPE=\"BUTTON\" HEIGHT=\"40\" PROP=\"&amp;\" "
            "MAXLEN=\"3\">");
}

TEST(HtmlControlFields, MissingControlsLeaveEverythingAlone) {
  QString text = QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e1\" WIDTH=\"50\">");
  QString value = QStringLiteral("kept");
  EXPECT_FALSE(GetHtmlControlValue(text, QStringLiteral("E1"), value));
  EXPECT_EQ(value, "kept");
  EXPECT_FALSE(SetHtmlControlValue(text, QStringLiteral("x"), QStringLiteral("v")));
  EXPECT_EQ(text, "<CONTROL TYPE=\"EDIT\" ID=\"e1\" WIDTH=\"50\">");
  EXPECT_EQ(GetHtmlControlProp(text, QStringLiteral("x")), "");
  EXPECT_EQ(GetHtmlControlMaxLen(text, QStringLiteral("x")), 0);
}

TEST(HtmlControlFields, MaxLenIsTheLeadingIntegerOrZero) {
  const QString text = QStringLiteral(
      "<CONTROL TYPE=\"EDIT\" ID=\"a\" MAXLEN=\"12\" WIDTH=\"5\"><CONTROL TYPE=\"MASK\" ID=\"b\" PROP=\"00/00\" "
      "WIDTH=\"5\">");
  EXPECT_EQ(GetHtmlControlMaxLen(text, QStringLiteral("a")), 12);
  EXPECT_EQ(GetHtmlControlMaxLen(text, QStringLiteral("b")), 0);
  EXPECT_EQ(GetHtmlControlProp(text, QStringLiteral("b")), "00/00");
}

TEST(HtmlControlFields, ClearingRadiosLeavesCheckBoxes) {
  const QString text = QStringLiteral(
      "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"16\"> <CONTROL TYPE=\"CHECK\" ID=\"c\" "
      "VALUE=\"TRUE\" WIDTH=\"16\"> <CONTROL TYPE=\"radio\" ID=\"r2\" VALUE=\"TRUE\" WIDTH=\"16\">");
  const QString cleared = ClearHtmlRadioValues(text);
  QString v;
  ASSERT_TRUE(GetHtmlControlValue(cleared, QStringLiteral("r1"), v));
  EXPECT_EQ(v, "FALSE");
  ASSERT_TRUE(GetHtmlControlValue(cleared, QStringLiteral("r2"), v));
  EXPECT_EQ(v, "FALSE");
  ASSERT_TRUE(GetHtmlControlValue(cleared, QStringLiteral("c"), v));
  EXPECT_EQ(v, "TRUE");
}

TEST(HtmlControlFields, NextIdSkipsButtonsChecksAndRadios) {
  const QString text = QStringLiteral(
      "<CONTROL TYPE=\"BUTTON\" ID=\"b\"><CONTROL TYPE=\"EDIT\" ID=\"e1\"><CONTROL TYPE=\"CHECK\" ID=\"c\">"
      "<CONTROL TYPE=\"EDIT\" ID=\"e2\">");
  EXPECT_EQ(NextHtmlControlId(text, QString()), "e1");
  EXPECT_EQ(NextHtmlControlId(text, QStringLiteral("e1")), "e2");
  EXPECT_EQ(NextHtmlControlId(text, QStringLiteral("e2")), "");
}

TEST(HtmlControlFields, DetectionFoldsCaseAndUnquotedIdsTakeTheNextQuote) {
  EXPECT_TRUE(HasHtmlControls(QStringLiteral("x<control type=\"edit\">")));
  EXPECT_FALSE(HasHtmlControls(QStringLiteral("<b>x</b>")));
  const QString text = QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=e1 WIDTH=\"50\">");
  QString v;
  EXPECT_FALSE(GetHtmlControlValue(text, QStringLiteral("e1"), v));
  EXPECT_TRUE(GetHtmlControlValue(text, QStringLiteral("50"), v));
}

TEST(HtmlControlFields, ATagWithoutCloseIsReadToTheEnd) {
  QString text = QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\" WIDTH=\"9\"");
  QString v;
  ASSERT_TRUE(GetHtmlControlValue(text, QStringLiteral("e"), v));
  EXPECT_EQ(v, "v");
  ASSERT_TRUE(SetHtmlControlValue(text, QStringLiteral("e"), QStringLiteral("w")));
  EXPECT_EQ(text, "<CONTROL ID=\"e\" VALUE=\"w\" WIDTH=\"9\" TYPE=\"EDIT\">");
}

}  // namespace

#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(HtmlControlFields, PasswordMaskAndFolderTest) {
  EXPECT_EQ(PasswordMask(QStringLiteral("abc")), "***");
  EXPECT_EQ(PasswordMask(QString()), "");
  QTemporaryDir dir;
  EXPECT_TRUE(IsDirectoryPath(dir.path()));
  EXPECT_FALSE(IsDirectoryPath(dir.filePath("none")));
  EXPECT_FALSE(IsDirectoryPath(QString()));
}

}  // namespace

namespace {

// Letters whose full upper case is longer than they are: a text holding them
// keeps every index, because the form-control operations fold ASCII only.
TEST(HtmlControlFields, LettersThatGrowInUpperCaseKeepTheControlsInPlace) {
  struct Case {
    const char16_t* Before;  // text before the control, then inside it before ID
    const char16_t* Inside;
  };
  const Case cases[] = {
      {u"Straße ", u""},
      {u"", u" PROP=\"ßß\""},
      {u"\uFB01le \uFB03 ", u" PROP=\"\uFB00\""},  // ligatures
      {u"ŉ ǰ ", u""},
  };
  for (const Case& c : cases) {
    const QString before = QString::fromUtf16(c.Before), inside = QString::fromUtf16(c.Inside);
    QString text = before + "<CONTROL TYPE=\"EDIT\"" + inside + " ID=\"e1\" VALUE=\"v\" WIDTH=\"50\">z";
    const std::string label = text.toStdString();
    EXPECT_TRUE(HasHtmlControls(text)) << label;
    QString value;
    ASSERT_TRUE(GetHtmlControlValue(text, QStringLiteral("e1"), value)) << label;
    EXPECT_EQ(value, "v") << label;
    ASSERT_TRUE(SetHtmlControlValue(text, QStringLiteral("e1"), QStringLiteral("x"))) << label;
    const QString prop = inside.isEmpty() ? QString() : " PROP=" + inside.mid(6);
    EXPECT_EQ(text, before + "<CONTROL ID=\"e1\" VALUE=\"x\" WIDTH=\"50\" TYPE=\"EDIT\"" + prop + ">z") << label;
  }
}

}  // namespace

namespace {

TEST(HtmlControlFields, ClearingRadiosRewritesEachRadioInPlace) {
  const QString radio = QStringLiteral("<CONTROL TYPE=\"RADIO\" ID=\"%1\" VALUE=\"TRUE\" WIDTH=\"16\">");
  const QString cleared = QStringLiteral("<CONTROL ID=\"%1\" VALUE=\"FALSE\" WIDTH=\"16\" TYPE=\"RADIO\">");
  const QString edit = QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"g\" VALUE=\"TRUE\" WIDTH=\"16\">");
  // Two radios of one group may share their id; an edit with that id before them stays as it is.
  const QString text = "a" + edit + " " + radio.arg("g") + "b" + radio.arg("g") + "c";
  EXPECT_EQ(ClearHtmlRadioValues(text), "a" + edit + " " + cleared.arg("g") + "b" + cleared.arg("g") + "c");
  EXPECT_EQ(ClearHtmlRadioValues("no controls"), "no controls");
}

}  // namespace
