#include "app/UVersionCheck.h"

#include "app/USoftOptions.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"
#include "support/ShellTestProgram.h"
#include "support/TestHttpServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>

namespace {

constexpr int FirstCheck = 60000, LaterCheck = 7200000;

// Short time-outs: the slow-server cases must end quickly.
TVersionService LocalService(const QString& site) { return TVersionService{site, 1000, 1500}; }

QList<QByteArray> HeadLines(const QByteArray& head) {
  QList<QByteArray> lines = head.split('\n');
  for (QByteArray& l : lines) l = l.trimmed();
  return lines;
}

}  // namespace

TEST(VersionCheck, ConvVersionJoinsDigitOneAndThreeToFive) {
  struct Case {
    const char* Text;
    int Expected;
  };
  const Case cases[] = {
      {"VER. 1.008", 1008}, {"1.007", 1007},     {"VER. 0.999", 999}, {"VER.   1.010  ", 1010},
      {"VER. 1,008", 1008}, {"VER. 1.0089", -1}, {"VER. 1.1", -1},    {"", -1},
      {"VER. ", -1},        {"VER. $.FFF", -1},  {"VER. -.999", -1},  {"VER. 1. 08", -1},
      {"x 0x.123", -1},     {"VER. 1.00a", -1},  {"VER.1.008", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(Conv_Version(c.Text), c.Expected) << c.Text;
}

TEST(VersionCheck, AnswerRulesAgainstProgramVersion1007) {
  ASSERT_EQ(ProgramVersion, "1.007");
  struct Case {
    const char* Answer;
    bool Newer;
  };
  const Case cases[] = {
      {"VER. 1.008", true},  {"1.010", true},       {"  VER. 2.000\r\n", true}, {"VER. 1.007", false},
      {"VER. 0.999", false}, {"VER. 0.000", false}, {"ver. 0.000", false},      {"", false},
      {" \r\n\t", false},    {"VER. 1.1", false},   {"VER. $.FFF", false},      {"<html>Error</html>", false},
  };
  for (const Case& c : cases) EXPECT_EQ(Is_Newer_Version(c.Answer), c.Newer) << c.Answer;
}

TEST(VersionCheck, RequestIsAnHttp10GetWithTheFixedPathQueryAndHeaders) {
  TTestHttpServer server;
  server.SetAnswer(200, "VER. 1.008");
  TVersionServiceScope scope(LocalService(server.Site()));
  EXPECT_TRUE(Check_Newer_Version());
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  const QList<QByteArray> lines = HeadLines(requests[0]);
  EXPECT_EQ(lines[0], "GET /home/download/GetversionSW.asp?nomesw=CFZ9KAD HTTP/1.0");
  EXPECT_TRUE(lines.contains("Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));
  EXPECT_TRUE(lines.contains("User-Agent: Mozilla/3.0 (compatible; Indy Library)"));
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const QByteArray& l) { return l.startsWith("Accept:"); }), 1);
  for (const QByteArray& l : lines) {
    EXPECT_FALSE(l.toLower().startsWith("cookie")) << l.constData();
    EXPECT_FALSE(l.toLower().startsWith("authorization")) << l.constData();
  }
}

TEST(VersionCheck, AnswersOfARealServer) {
  std::mt19937 random(7);
  QByteArray binary(2000, '\0');
  for (char& b : binary) b = char(random() & 0xFF);
  struct Case {
    const char* Name;
    int Status;
    QByteArray Body;
    QByteArray Headers;
    bool Newer;
  };
  const Case cases[] = {
      {"newer version", 200, "VER. 1.008", {}, true},
      {"newer with line end", 200, "VER. 1.010\r\n", {}, true},
      {"same version", 200, "VER. 1.007", {}, false},
      {"nothing newer", 200, "VER. 0.000", {}, false},
      {"empty body", 200, "", {}, false},
      {"not found", 404, "VER. 9.999", {}, false},
      {"server error", 500, "VER. 9.999", {}, false},
      {"redirect", 302, "VER. 9.999", "Location: /elsewhere\r\n", false},
      {"binary", 200, binary, {}, false},
      {"huge", 200, "VER. 9.999" + QByteArray(1 << 20, 'x'), {}, false},
      {"html page", 200, "<html><body>VER. 9.999</body></html>", {}, false},
  };
  TTestHttpServer server;
  TVersionServiceScope scope(LocalService(server.Site()));
  for (const Case& c : cases) {
    server.SetAnswer(c.Status, c.Body, c.Headers);
    EXPECT_EQ(Check_Newer_Version(), c.Newer) << c.Name;
  }
  EXPECT_EQ(server.Requests().size(), std::size(cases));
}

// Each failure is silent and ends within the time-out; the bound below only
// guards against a hang, it measures nothing.
TEST(VersionCheck, NetworkFailuresMeanNothingNewerAndEndInTime) {
  TTestHttpServer server;
  TVersionServiceScope scope(LocalService(server.Site()));
  const TTestHttpServer::TMode failures[] = {TTestHttpServer::TMode::Silent, TTestHttpServer::TMode::Trickle,
                                             TTestHttpServer::TMode::CloseAtOnce};
  for (auto mode : failures) {
    server.SetMode(mode);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Check_Newer_Version()) << int(mode);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << int(mode);
  }
  TVersionServiceScope refused(LocalService(QString("http://127.0.0.1:%1").arg(TTestHttpServer::ClosedPort())));
  EXPECT_FALSE(Check_Newer_Version());
  EXPECT_EQ(Get_Version_Answer(), QString());
}

TEST(VersionCheck, ThePeriodicCheckShowsAndHidesTheUpdateLink) {
  TManualClockScope clock;
  TTestHttpServer server;
  server.SetAnswer(200, "VER. 1.008");
  TVersionServiceScope scope(LocalService(server.Site()));
  TShellTestProgram p;
  p.WriteSettings(
      "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
      "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  clock.Clock().Advance(FirstCheck - 1);
  EXPECT_TRUE(server.Requests().empty());
  clock.Clock().Advance(1);
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_TRUE(w.LL_Update->Visible());
  EXPECT_EQ(w.LL_Update->Caption(), "<a href=\"" + MakerDownloadPage + "\">" + LangText(19) + "</a>");
  EXPECT_EQ(w.LL_Update->DisplayText(), "New Version Available. Click Here for more Details");
  EXPECT_TRUE(w.Timer_Update->Enabled());
  EXPECT_EQ(w.Timer_Update->Interval(), LaterCheck);

  w.LL_Update->ActivateLink(0);
  ASSERT_EQ(p.OpenedUrls.size(), 1u);
  EXPECT_EQ(p.OpenedUrls[0], MakerDownloadPage);

  // A later check that fails takes the announcement back.
  server.SetMode(TTestHttpServer::TMode::CloseAtOnce);
  clock.Clock().Advance(LaterCheck - 1);
  EXPECT_TRUE(w.LL_Update->Visible());
  clock.Clock().Advance(1);
  EXPECT_FALSE(w.LL_Update->Visible());
  EXPECT_TRUE(w.Timer_Update->Enabled());
}

TEST(VersionCheck, WithoutTheUpdateOptionTheTimerNeverAsks) {
  TManualClockScope clock;
  TTestHttpServer server;
  server.SetAnswer(200, "VER. 1.008");
  TVersionServiceScope scope(LocalService(server.Site()));
  TShellTestProgram p;
  p.WriteSettings(
      "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
      "<enable_update>0</enable_update></lastinternet></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  clock.Clock().Advance(3 * LaterCheck);
  EXPECT_TRUE(server.Requests().empty());
  EXPECT_FALSE(w.LL_Update->Visible());
}
