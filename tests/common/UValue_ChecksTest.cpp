// SNMP and KNX cell checks: one table per function, and a seeded random run.
#include "common/UValue_Checks.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct CodeCase {
  QString Text;
  int Code;
};

TEST(UValue_Checks, CheckOidReportsTheFirstRuleBroken) {
  const QString longOid = QString("1.").repeated(64) + "1";  // 129 characters
  const CodeCase cases[] = {
      {"1.3.6.1.4.1", 0},
      {"5", 0},
      {"0", 0},
      {"1.4294967295", 0},
      {"1.0004294967295", 0},
      {"1." + QString(200, '0').left(120) + "7", 0},
      {QString("1.").repeated(63) + "12", 0},  // 128 characters
      {longOid, 1},
      {QString(129, 'a'), 1},
      {QString(129, '.'), 1},
      {"", 2},
      {"1.3 ", 2},
      {" 1.3", 2},
      {"1.-3", 2},
      {"+1.3", 2},
      {"1,3", 2},
      {"1.3\n", 2},
      {"1.\u0663", 2},  // an Arabic-Indic digit is no digit here
      {".a", 2},
      {".1.3", 3},
      {".", 3},
      {"1.3.", 4},
      {"1..3", 5},
      {"1...3", 5},
      {"1.4294967296", 6},
      {"4294967296", 6},
      {"1.18446744073709551616", 6},
      {"1.99999999999999999999999999", 6},
  };
  for (const CodeCase& c : cases) EXPECT_EQ(CheckOid(c.Text), c.Code) << c.Text.toStdString();
}

struct SnmpV3Case {
  QString Text;
  bool UserName;
  int Code;
};

TEST(UValue_Checks, CheckSnmpV3Text) {
  const SnmpV3Case cases[] = {
      {"", true, 2},
      {"", false, 2},
      {"a", true, 0},
      {"abcdefg", false, 2},
      {"abcdefgh", false, 0},
      {"User01", true, 0},
      {"abcdefghijklmno", true, 0},
      {"abcdefghijklmno", false, 0},
      {"abcdefghijklmnop", false, 1},
      {"abcdefghijklmnop", true, 1},
      {"pass-phrase", false, 3},
      {"user name", true, 3},
      {"us\u00e9r", true, 3},
      {"a\tb", true, 3},
      {QString("abc") + QChar(0) + "defgh", false, 3},
      {QString(100000, 'a'), true, 1},
      {"-", false, 2},  // too short is checked before the characters
  };
  for (const SnmpV3Case& c : cases)
    EXPECT_EQ(CheckSnmpV3Text(c.Text, c.UserName), c.Code) << c.Text.toStdString() << " user " << c.UserName;
}

TEST(UValue_Checks, SnmpSecurityLevelCode) {
  const CodeCase cases[] = {
      {"Auth NoPriv", 1}, {"AUTH NOPRIV", 1}, {"Auth Priv", 3},   {"  auth priv\t", 3},
      {"aUtH pRiV", 3},   {"", -1},           {"   ", -1},        {"NoAuth NoPriv", 0},
      {"Auth  Priv", 0},  {"AuthPriv", 0},    {"Auth Priv x", 0}, {"\u0131", 0},
  };
  for (const CodeCase& c : cases) EXPECT_EQ(SnmpSecurityLevelCode(c.Text), c.Code) << c.Text.toStdString();
}

struct KnxCase {
  QString Text;
  bool Group;
  bool ZeroAllowed;
  int Code;
};

TEST(UValue_Checks, CheckKnxAddress) {
  const KnxCase cases[] = {
      // individual addresses
      {"1.1.20", false, false, 0},
      {"15.15.255", false, false, 0},
      {" 1 . 1 . 20 ", false, false, 0},
      {"16.1.1", false, true, 1},
      {"1.16.1", false, true, 1},
      {"1.1.256", false, true, 1},
      {"-1.1.1", false, true, 1},
      {"0.0.0", false, true, 0},
      {"0.0.0", false, false, 1},
      {"0.0.1", false, false, 0},
      {"1.2.3.4", false, true, 1},
      {"1.2.", false, true, 1},
      {"7.x", false, false, 0},
      {".", false, false, 0},
      {"65535", false, false, 0},
      {"0", false, true, 1},
      {"65536", false, true, 1},
      {"$FFFF", false, true, 0},
      {"4294967297", false, true, 1},
      {"1/1/1", false, true, 1},
      {"", false, true, 1},
      {"a.b.c", false, true, 1},
      // group addresses
      {"31/7/255", true, false, 0},
      {" 31 / 7 / 255 ", true, false, 0},
      {"32/7/255", true, false, 1},
      {"31/8/255", true, false, 1},
      {"31/7/256", true, false, 1},
      {"0/0/0", true, true, 1},
      {"0/0/1", true, false, 0},
      {"1/2/3/4", true, false, 1},
      {"31/2047", true, false, 0},
      {"31/2048", true, false, 1},
      {"0/0", true, true, 1},
      {"0/1", true, false, 0},
      {"/", true, false, 1},
      {"65535", true, false, 0},
      {"0", true, true, 1},
      {"1.1/2", true, false, 1},
      {"1.2.3", true, true, 1},
      {"", true, true, 1},
      {"18446744073709551617/1", true, false, 1},
  };
  for (const KnxCase& c : cases)
    EXPECT_EQ(CheckKnxAddress(c.Text, c.Group, c.ZeroAllowed), c.Code)
        << c.Text.toStdString() << (c.Group ? " group" : " individual") << (c.ZeroAllowed ? " zero allowed" : "");
}

TEST(UValue_Checks, HasNoDot) {
  EXPECT_TRUE(HasNoDot(""));
  EXPECT_TRUE(HasNoDot("1/2/3"));
  EXPECT_FALSE(HasNoDot("1.1.20"));
  EXPECT_FALSE(HasNoDot("."));
}

TEST(UValue_Checks, RandomTextsGiveOnlyKnownCodes) {
  static const char alphabet[] = "0123456789../../..// -+$xA\t\x01";
  std::mt19937 rng(5300);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<size_t> pick(0, sizeof alphabet - 2);
  for (int i = 0; i < 20000; ++i) {
    QString text;
    for (int n = length(rng); n > 0; --n) text += QChar::fromLatin1(alphabet[pick(rng)]);
    SCOPED_TRACE(text.toStdString());
    const int oid = CheckOid(text);
    EXPECT_GE(oid, 0);
    EXPECT_LE(oid, 6);
    EXPECT_GE(CheckSnmpV3Text(text, i % 2 == 0), 0);
    EXPECT_GE(SnmpSecurityLevelCode(text), -1);
    for (bool group : {false, true}) {
      const int strict = CheckKnxAddress(text, group, false);
      const int lenient = CheckKnxAddress(text, group, true);
      EXPECT_TRUE(strict == 0 || strict == 1);
      // Allowing zero never rejects what the strict check takes.
      if (strict == 0) {
        EXPECT_EQ(lenient, 0);
      }
    }
  }
}

}  // namespace
