#include "platform/Network.h"

#include <gtest/gtest.h>

TEST(Network, EchoToLoopbackCarriesItsData) {
  TIcmpEchoReply reply;
  const bool ok = IcmpEcho().Echo("127.0.0.1", "127.0.0.1", 400, reply);
  if (!ok) GTEST_SKIP() << "no ICMP socket on this machine";
  EXPECT_TRUE(reply.Received);
  EXPECT_EQ(reply.Data, QByteArray("127.0.0.1"));
}

TEST(Network, EchoRefusesWhatIsNoDottedAddress) {
  TIcmpEchoReply reply;
  for (const char* bad : {"", "host.example", "300.1.1.1", "1.2.3", "::1"}) {
    EXPECT_FALSE(IcmpEcho().Echo(bad, "x", 50, reply)) << bad;
    EXPECT_TRUE(reply.SendFailed) << bad;
  }
}

TEST(Network, FakeEchoAndUrlRecorderAreUsedWhenInstalled) {
  struct Fake : TIcmpEcho {
    int Calls = 0;
    bool Echo(const QString&, const QByteArray&, int, TIcmpEchoReply& r) override {
      ++Calls;
      r.Received = true;
      return true;
    }
  } fake;
  TIcmpEcho* previous = SetIcmpEcho(&fake);
  TIcmpEchoReply reply;
  EXPECT_TRUE(IcmpEcho().Echo("10.0.0.1", "", 400, reply));
  EXPECT_EQ(fake.Calls, 1);
  SetIcmpEcho(previous);

  QStringList opened;
  SetOpenUrlHandler([&](const QString& url) {
    opened << url;
    return true;
  });
  EXPECT_TRUE(OpenUrl("http://example.invalid/HOME/default.asp?frompg=CFZ9KAD"));
  SetOpenUrlHandler(nullptr);
  EXPECT_EQ(opened, QStringList({"http://example.invalid/HOME/default.asp?frompg=CFZ9KAD"}));
}

TEST(Network, HttpGetReportsARefusedConnection) {
  THttpRequest r;
  r.Url = "http://127.0.0.1:1/home/download/GetversionSW.asp?nomesw=CFZ9KAD";
  r.ConnectTimeoutMs = 500;
  r.TotalTimeoutMs = 1000;
  THttpResult result = HttpGet(r);
  EXPECT_FALSE(result.Ok);
  EXPECT_FALSE(result.Error.isEmpty());
}
