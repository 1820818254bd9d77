// The component stream: every value kind round trip, and nothing but a whole,
// well-formed stream is read.
#include "platform/PropertyStream.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

TStreamComponent Sample() {
  TStreamValue items;
  items.Type = TValueType::vaCollection;
  items.Items.push_back({{"Width", TStreamValue::Integer(-40)}, {"Header", TStreamValue::String(QString::fromUtf8("Gerät"))}});
  items.Items.push_back({{"ReadOnly", TStreamValue::Boolean(true)},
                         {"Editor", TStreamValue::Ident("edComboList")},
                         {"Borders", TStreamValue::Set({"cbTop", "cbLeft"})},
                         {"ComboItems", TStreamValue::List({"a", "", "c d"})},
                         {"Fixed", TStreamValue::Boolean(false)}});
  return {"TSample", "", {{"Items", items}, {"Tag", TStreamValue::Integer(7)}}};
}

QByteArray Written(const TStreamComponent& C) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  WriteComponentStream(buffer, C);
  return buffer.data();
}

TEST(PropertyStream, RoundTripKeepsEveryValue) {
  QByteArray data = Written(Sample()) + "tail";
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  const TStreamComponent c = ReadComponentStream(buffer);
  EXPECT_EQ(buffer.readAll(), "tail") << "the position is left after the component";
  EXPECT_EQ(c.ClassName, "TSample");
  ASSERT_EQ(c.Properties.size(), 2u);
  const TStreamValue& items = c.Properties[0].Value;
  ASSERT_EQ(items.Items.size(), 2u);
  EXPECT_EQ(items.Items[0][0].Value.Int, -40);
  EXPECT_EQ(items.Items[0][1].Value.Text, QString::fromUtf8("Gerät"));
  const TStreamProperties& second = items.Items[1];
  EXPECT_EQ(second[0].Value.Type, TValueType::vaTrue);
  EXPECT_EQ(second[1].Value.Text, "edComboList");
  EXPECT_EQ(second[2].Value.Names, (QStringList{"cbTop", "cbLeft"}));
  EXPECT_EQ(second[3].Value.Names, (QStringList{"a", "", "c d"}));
  EXPECT_EQ(second[4].Value.Type, TValueType::vaFalse);
  EXPECT_EQ(c.Properties[1].Value.Int, 7);
}

TEST(PropertyStream, EveryTruncationIsAReadError) {
  const QByteArray whole = Written(Sample());
  for (int n = 0; n < whole.size(); ++n) {
    QByteArray part = whole.left(n);
    QBuffer buffer(&part);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_THROW(ReadComponentStream(buffer), EReadError) << n;
  }
}

TEST(PropertyStream, HostileCountsAndTypesAreReadErrors) {
  QByteArray data = Written(Sample());
  // A text length far beyond the data, an empty class name, an unknown value type, another signature.
  const std::vector<std::pair<int, QByteArray>> patches = {{4, QByteArray("\xff\xff\xff\x7f", 4)},
                                                                {4, QByteArray("\0\0\0\0", 4)}};
  for (const auto& [at, bytes] : patches) {
    QByteArray bad = data;
    bad.replace(at, bytes.size(), bytes);
    QBuffer buffer(&bad);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_THROW(ReadComponentStream(buffer), EReadError);
  }
  QByteArray typeBad = data;
  const int typeAt = typeBad.indexOf(QByteArray("I\0t\0e\0m\0s\0", 10)) + 10;
  typeBad[typeAt] = char(0x42);
  QBuffer b1(&typeBad);
  b1.open(QIODevice::ReadOnly);
  EXPECT_THROW(ReadComponentStream(b1), EReadError);
  QByteArray signatureBad = "TPF0" + data.mid(4);
  QBuffer b2(&signatureBad);
  b2.open(QIODevice::ReadOnly);
  EXPECT_THROW(ReadComponentStream(b2), EReadError);
}

}  // namespace
