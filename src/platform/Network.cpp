#include "platform/Network.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QUrl>

#include <curl/curl.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <mutex>

namespace {

uint16_t Checksum(const uint8_t* data, size_t len) {
  uint32_t sum = 0;
  for (size_t i = 0; i + 1 < len; i += 2) sum += uint32_t(data[i] << 8 | data[i + 1]);
  if (len & 1) sum += uint32_t(data[len - 1] << 8);
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return uint16_t(~sum);
}

class TSocketIcmpEcho : public TIcmpEcho {
public:
  bool Echo(const QString& address, const QByteArray& data, int timeoutMs, TIcmpEchoReply& reply) override {
    reply = TIcmpEchoReply{};
    sockaddr_in to{};
    to.sin_family = AF_INET;
    auto sendFailed = [&reply] {
      reply.SendFailed = true;
      return false;
    };
    if (inet_pton(AF_INET, address.toLatin1().constData(), &to.sin_addr) != 1) return sendFailed();
    bool raw = false;
    int fd = socket(AF_INET, SOCK_DGRAM, IPPROTO_ICMP);
    if (fd < 0) {
      fd = socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
      raw = true;
    }
    if (fd < 0) return sendFailed();
    struct Closer {
      int fd;
      ~Closer() { close(fd); }
    } closer{fd};
    static uint16_t sequence = 0;
    const uint16_t seq = ++sequence;
    const uint16_t ident = uint16_t(getpid() & 0xFFFF);
    QByteArray packet(8, '\0');
    packet[0] = char(ICMP_ECHO);
    packet[4] = char(ident >> 8);
    packet[5] = char(ident & 0xFF);
    packet[6] = char(seq >> 8);
    packet[7] = char(seq & 0xFF);
    packet += data.left(1400);
    const uint16_t sum = Checksum(reinterpret_cast<const uint8_t*>(packet.constData()), size_t(packet.size()));
    packet[2] = char(sum >> 8);
    packet[3] = char(sum & 0xFF);
    QElapsedTimer timer;
    timer.start();
    if (sendto(fd, packet.constData(), size_t(packet.size()), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) < 0)
      return sendFailed();
    uint8_t buf[2048];
    for (;;) {
      const int left = timeoutMs - int(timer.elapsed());
      if (left <= 0) return false;
      pollfd pfd{fd, POLLIN, 0};
      if (poll(&pfd, 1, left) <= 0) return false;
      sockaddr_in from{};
      socklen_t fromLen = sizeof from;
      ssize_t n = recvfrom(fd, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
      if (n <= 0) continue;
      const uint8_t* icmp = buf;
      ssize_t len = n;
      if (raw) {
        const int ihl = (buf[0] & 0x0F) * 4;
        if (n < ihl + 8) continue;
        icmp += ihl;
        len -= ihl;
      }
      if (len < 8 || icmp[0] != ICMP_ECHOREPLY) continue;
      const uint16_t rseq = uint16_t(icmp[6] << 8 | icmp[7]);
      // The kernel rewrites the identifier of datagram sockets; match on sequence there.
      if (rseq != seq || (raw && uint16_t(icmp[4] << 8 | icmp[5]) != ident)) continue;
      if (from.sin_addr.s_addr != to.sin_addr.s_addr) continue;
      reply.Received = true;
      reply.From = address;
      reply.RoundTripMs = int(timer.elapsed());
      reply.Data = QByteArray(reinterpret_cast<const char*>(icmp + 8), int(len - 8));
      return true;
    }
  }
};

TIcmpEcho*& IcmpOverride() {
  static TIcmpEcho* echo = nullptr;
  return echo;
}

size_t WriteBody(char* ptr, size_t size, size_t nmemb, void* userdata) {
  auto* result = static_cast<std::pair<THttpResult*, qint64>*>(userdata);
  const size_t n = size * nmemb;
  const qint64 room = result->second - result->first->Body.size();
  if (room <= 0) return 0;  // beyond the limit: stop the transfer
  result->first->Body.append(ptr, int(std::min<qint64>(room, qint64(n))));
  return qint64(n) <= room ? n : 0;
}

std::function<bool(const QString&)>& OpenUrlHandler() {
  static std::function<bool(const QString&)> handler;
  return handler;
}

}  // namespace

TIcmpEcho& IcmpEcho() {
  static TSocketIcmpEcho real;
  return IcmpOverride() ? *IcmpOverride() : real;
}

TIcmpEcho* SetIcmpEcho(TIcmpEcho* echo) {
  TIcmpEcho* previous = IcmpOverride();
  IcmpOverride() = echo;
  return previous;
}

THttpResult HttpGet(const THttpRequest& request) {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  THttpResult result;
  CURL* curl = curl_easy_init();
  if (!curl) {
    result.Error = "Cannot start the HTTP client";
    return result;
  }
  const QByteArray url = request.Url.toUtf8();
  curl_easy_setopt(curl, CURLOPT_URL, url.constData());
  curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, request.Http10 ? CURL_HTTP_VERSION_1_0 : CURL_HTTP_VERSION_1_1);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(request.ConnectTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(request.TotalTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, request.FollowRedirects ? 1L : 0L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  // A proxy of the environment serves the web, never this machine itself.
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
  curl_slist* headers = nullptr;
  std::vector<QByteArray> headerStore;
  for (const QString& h : request.Headers) {
    headerStore.push_back(h.toLatin1());
    headers = curl_slist_append(headers, headerStore.back().constData());
  }
  if (headers) curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  std::pair<THttpResult*, qint64> sink{&result, request.MaxBodyBytes};
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  const CURLcode rc = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  result.Status = int(status);
  if (rc == CURLE_OK || (rc == CURLE_WRITE_ERROR && result.Body.size() >= request.MaxBodyBytes)) {
    result.Ok = status > 0;
  } else {
    result.Error = QString::fromUtf8(curl_easy_strerror(rc));
  }
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  return result;
}

bool OpenUrl(const QString& url) {
  if (OpenUrlHandler()) return OpenUrlHandler()(url);
  return QDesktopServices::openUrl(QUrl(url));
}

void SetOpenUrlHandler(std::function<bool(const QString&)> handler) { OpenUrlHandler() = std::move(handler); }
