// The version check: asks the maker's version service whether a newer version
// of the program exists, and announces one with a link to the download page.
#pragma once

#include <QString>

// Where the version service is and how long a check may block the program.
struct TVersionService {
  QString Site;  // scheme://host[:port], no trailing "/"
  int ConnectTimeoutMs = 5000;
  int TotalTimeoutMs = 10000;
};

// The service of this build, unless a test put another in place.
const TVersionService& VersionService();

// Points the check at another service for the lifetime of the object (tests).
class TVersionServiceScope {
public:
  explicit TVersionServiceScope(const TVersionService& service);
  ~TVersionServiceScope();
  TVersionServiceScope(const TVersionServiceScope&) = delete;
  TVersionServiceScope& operator=(const TVersionServiceScope&) = delete;

private:
  TVersionService FPrevious;
};

// The address the check asks, with the program's version-check code.
QString VersionCheckUrl();

// The service's whole answer, or an empty text after any failure (no
// connection, time-out, error status, an answer too large to be one).
QString Get_Version_Answer();

// "VER. 1.008" or "1.008" -> 1008; -1 for a text that carries no such version.
int Conv_Version(const QString& Ver_str);

// True when the answer names a version above the program's own.
bool Is_Newer_Version(const QString& answer);

// Asks the service and applies the answer rules. Blocks until the answer or
// the time-out; every failure counts as "nothing newer".
bool Check_Newer_Version();

// A link caption to the download page with this text.
QString Download_Link_Caption(const QString& text);
