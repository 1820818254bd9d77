// A small HTTP server on 127.0.0.1 for the version-check tests. It runs on a
// thread of its own (the check blocks the calling thread), answers every
// connection with the behaviour set last, records each request's head, and
// stops by itself when the object goes. Everything it waits on is bounded.
#pragma once

#include <QByteArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TTestHttpServer {
public:
  enum class TMode {
    Answer,       // send Reply whole, then close
    CloseAtOnce,  // close without a byte
    Silent,       // read the request, then send nothing until stopped
    Trickle,      // a status line and then one byte every 200 ms, until stopped
  };

  TTestHttpServer() {
    FListener = ::socket(AF_INET, SOCK_STREAM, 0);
    const int one = 1;
    ::setsockopt(FListener, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(FListener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(FListener, 8);
    socklen_t length = sizeof address;
    ::getsockname(FListener, reinterpret_cast<sockaddr*>(&address), &length);
    FPort = ntohs(address.sin_port);
    FThread = std::thread([this] { Serve(); });
  }

  ~TTestHttpServer() {
    FStop = true;
    FThread.join();
    ::close(FListener);
  }

  int Port() const { return FPort; }
  QString Site() const { return QString("http://127.0.0.1:%1").arg(FPort); }

  // An answer with this status and body, closed after the body as HTTP/1.0 does.
  void SetAnswer(int status, const QByteArray& body, const QByteArray& extraHeaders = {}) {
    QByteArray reply =
        "HTTP/1.0 " + QByteArray::number(status) + " X\r\nContent-Type: text/html\r\n" + extraHeaders + "\r\n" + body;
    std::lock_guard lock(FMutex);
    FMode = TMode::Answer;
    FReply = reply;
  }
  void SetMode(TMode mode) {
    std::lock_guard lock(FMutex);
    FMode = mode;
  }

  std::vector<QByteArray> Requests() const {
    std::lock_guard lock(FMutex);
    return FRequests;
  }

  // A port on which nothing listens: bound for a moment, then let go.
  static int ClosedPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(s);
    return ntohs(address.sin_port);
  }

private:
  bool WaitReadable(int fd, int ms) const {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, ms) > 0;
  }

  void Serve() {
    while (!FStop) {
      if (!WaitReadable(FListener, 50)) continue;
      const int client = ::accept(FListener, nullptr, nullptr);
      if (client < 0) continue;
      Handle(client);
      ::close(client);
    }
  }

  // The request head, read until its blank line, at most 64 KiB or 2 s.
  QByteArray ReadHead(int client) const {
    QByteArray head;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    char buffer[4096];
    while (!head.contains("\r\n\r\n") && head.size() < 65536 && std::chrono::steady_clock::now() < deadline) {
      if (!WaitReadable(client, 50)) continue;
      const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      head.append(buffer, int(n));
    }
    return head;
  }

  void SendAll(int client, const QByteArray& data) const {
    qsizetype sent = 0;
    while (sent < data.size()) {
      const ssize_t n = ::send(client, data.constData() + sent, size_t(data.size() - sent), MSG_NOSIGNAL);
      if (n <= 0) return;
      sent += n;
    }
  }

  // Waits until stopped or the client went away, at most 30 s.
  void HoldOpen(int client, bool trickle) {
    if (trickle) SendAll(client, "HTTP/1.0 200 OK\r\n\r\nVER. ");
    for (int i = 0; i < 150 && !FStop; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      if (trickle && ::send(client, "9", 1, MSG_NOSIGNAL) <= 0) return;
      pollfd p{client, POLLIN, 0};
      if (::poll(&p, 1, 0) > 0) {
        char c;
        if (::recv(client, &c, 1, MSG_PEEK) <= 0) return;  // the client closed
      }
    }
  }

  void Handle(int client) {
    TMode mode;
    QByteArray reply;
    {
      std::lock_guard lock(FMutex);
      mode = FMode;
      reply = FReply;
    }
    if (mode == TMode::CloseAtOnce) return;
    const QByteArray head = ReadHead(client);
    {
      std::lock_guard lock(FMutex);
      FRequests.push_back(head);
    }
    if (mode == TMode::Answer) SendAll(client, reply);
    if (mode == TMode::Silent || mode == TMode::Trickle) HoldOpen(client, mode == TMode::Trickle);
  }

  int FListener = -1;
  int FPort = 0;
  std::atomic<bool> FStop{false};
  mutable std::mutex FMutex;
  TMode FMode = TMode::Answer;
  QByteArray FReply = "HTTP/1.0 200 OK\r\n\r\n";
  std::vector<QByteArray> FRequests;
  std::thread FThread;
};
