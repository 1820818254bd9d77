// The network services the shell uses: an IPv4 ICMP echo client (ping before
// an update), an HTTP/1.0 GET with time-outs (version check) and opening a web
// address in the user's browser. Tests replace each with a fake.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

struct TIcmpEchoReply {
  bool Received = false;
  QString From;
  int RoundTripMs = 0;
  QByteArray Data;
  // The request could not be sent at all (no dotted address, no socket), as
  // opposed to a request that got no answer in time.
  bool SendFailed = false;
};

class TIcmpEcho {
public:
  virtual ~TIcmpEcho() = default;
  // Sends one echo request carrying `data` to the dotted IPv4 address and waits
  // up to `timeoutMs` for its reply. False when no reply came (or the address
  // is not a dotted IPv4 address, or no socket could be opened).
  virtual bool Echo(const QString& address, const QByteArray& data, int timeoutMs, TIcmpEchoReply& reply) = 0;
};

// The echo client in use: an unprivileged datagram socket, a raw socket as fallback.
TIcmpEcho& IcmpEcho();
// Installs `echo` (tests); null restores the real client. Returns the previous override.
TIcmpEcho* SetIcmpEcho(TIcmpEcho* echo);

struct THttpResult {
  bool Ok = false;  // an answer arrived (any status)
  int Status = 0;   // HTTP status code
  QByteArray Body;  // at most the byte limit of the request
  QString Error;    // why no answer arrived
};

struct THttpRequest {
  QString Url;          // http://host[:port]/path?query
  QStringList Headers;  // "Name: value" lines sent as given
  int ConnectTimeoutMs = 10000;
  int TotalTimeoutMs = 20000;
  qint64 MaxBodyBytes = 64 * 1024;
  bool Http10 = true;
  bool FollowRedirects = false;
};

// Blocks until the answer, a failure or the time-out.
THttpResult HttpGet(const THttpRequest& request);

// Opens a web address in the user's browser; tests install a recorder.
bool OpenUrl(const QString& url);
void SetOpenUrlHandler(std::function<bool(const QString&)> handler);  // empty restores the browser
