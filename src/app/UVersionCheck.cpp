#include "app/UVersionCheck.h"

#include "common/ShellState.h"
#include "platform/Network.h"
#include "platform/SysUtils.h"

namespace {

const QString VersionServicePath = "/home/download/GetversionSW.asp";
const QString NothingNewer = "VER. 0.000";
// The service answers a dozen bytes; an answer that fills this is something else.
constexpr qint64 MaxAnswerBytes = 4096;

const QStringList RequestHeaders = {
    "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8",
    "User-Agent: Mozilla/3.0 (compatible; Indy Library)",
};

TVersionService& CurrentService() {
  static TVersionService service{MakerWebSite};
  return service;
}

bool IsDecimalDigit(QChar c) { return c >= QChar('0') && c <= QChar('9'); }

}  // namespace

const TVersionService& VersionService() { return CurrentService(); }

TVersionServiceScope::TVersionServiceScope(const TVersionService& service) : FPrevious(CurrentService()) {
  CurrentService() = service;
}

TVersionServiceScope::~TVersionServiceScope() { CurrentService() = FPrevious; }

QString VersionCheckUrl() { return VersionService().Site + VersionServicePath + "?nomesw=" + BuildSoftwareCode; }

QString Get_Version_Answer() {
  THttpRequest request;
  request.Url = VersionCheckUrl();
  request.Headers = RequestHeaders;
  request.ConnectTimeoutMs = VersionService().ConnectTimeoutMs;
  request.TotalTimeoutMs = VersionService().TotalTimeoutMs;
  request.MaxBodyBytes = MaxAnswerBytes;
  request.Http10 = true;
  request.FollowRedirects = false;
  const THttpResult result = HttpGet(request);
  if (!result.Ok || result.Status < 200 || result.Status > 299) return QString();
  if (result.Body.size() >= MaxAnswerBytes) return QString();
  // Byte for byte: whatever the service sends, no decoding step can fail.
  return QString::fromLatin1(result.Body);
}

// Digit, point, three digits: characters 1, 3, 4 and 5 make the number. Only
// that form counts: no sign, no hexadecimal prefix and nothing after it, so a
// garbled answer or a web page cannot pass for a version.
int Conv_Version(const QString& Ver_str) {
  const int blank = Ver_str.indexOf(QChar(' '));
  const QString version = Trim(blank >= 0 ? Ver_str.mid(blank + 1) : Ver_str);
  if (version.size() != 5) return -1;
  const QString digits = QString(version[0]) + version.mid(2, 3);
  for (QChar c : digits)
    if (!IsDecimalDigit(c)) return -1;
  return digits.toInt();
}

bool Is_Newer_Version(const QString& answer) {
  const QString trimmed = Trim(answer);
  if (trimmed.isEmpty() || UpperCase(trimmed) == NothingNewer) return false;
  const int program = Conv_Version(ProgramVersion);
  const int offered = Conv_Version(trimmed);
  return program != -1 && offered != -1 && offered > program;
}

bool Check_Newer_Version() { return Is_Newer_Version(Get_Version_Answer()); }

QString Download_Link_Caption(const QString& text) { return "<a href=\"" + MakerDownloadPage + "\">" + text + "</a>"; }
