// What the update tests share: the stand-in of the update tool installed as
// <folder>/Ethernet_Update.exe, a scripted echo client and a fake clock.
#pragma once

#include "platform/Files.h"
#include "platform/Network.h"
#include "platform/Process.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <vector>

// The stand-in as the update tool itself, or behind a small script that counts
// its starts in <folder>/starts.log before it runs the stand-in from <folder>.
inline void InstallUpdateTool(const QString& folder, bool countStarts = false) {
  const QString standIn = QString(QUILLORE_TOOLS_DIR) + "/update_tool_standin";
  const QString tool = folder + "/Ethernet_Update.exe";
  const QString target = countStarts ? folder + "/update_tool_standin" : tool;
  ASSERT_TRUE(CopyFileReplace(standIn, target));
  const auto exec = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
  ASSERT_TRUE(QFile::setPermissions(target, exec));
  if (!countStarts) return;
  const QByteArray script =
      "#!/bin/sh\n"
      "here=$(dirname \"$0\")\n"
      "echo started >> \"$here/starts.log\"\n"
      "exec \"$here/update_tool_standin\" \"$@\"\n";
  ASSERT_TRUE(WriteFileAtomic(tool, script));
  ASSERT_TRUE(QFile::setPermissions(tool, exec));
}

// The lines the stand-in recorded, empty when it did not run.
inline QStringList UpdateToolRecord(const QString& folder) {
  QByteArray bytes;
  if (!ReadFileBytes(folder + "/Ethernet_Update.record", bytes)) return {};
  return QString::fromUtf8(bytes).split('\n');
}

inline int UpdateToolStarts(const QString& folder) {
  QByteArray bytes;
  if (!ReadFileBytes(folder + "/starts.log", bytes)) return 0;
  return int(bytes.count("started\n"));
}

// Answers echo requests from a script: a reply carrying the request's data, no
// reply (the time-out passes on the clock in use), or a request not sent.
class TScriptedEcho : public TIcmpEcho {
public:
  enum TAnswer { Reply, Silence, SendFailure };
  struct TRequest {
    QString Address;
    QByteArray Data;
    int TimeoutMs;
    uint32_t At;
  };

  std::deque<TAnswer> Script;
  TAnswer Otherwise = Silence;
  std::vector<TRequest> Requests;

  bool Echo(const QString& address, const QByteArray& data, int timeoutMs, TIcmpEchoReply& reply) override {
    Requests.push_back({address, data, timeoutMs, TickNow()});
    TAnswer answer = Otherwise;
    if (!Script.empty()) {
      answer = Script.front();
      Script.pop_front();
    }
    reply = TIcmpEchoReply{};
    switch (answer) {
      case Reply:
        reply.Received = true;
        reply.From = address;
        reply.Data = data;
        return true;
      case Silence: SleepMilliseconds(timeoutMs); return false;
      case SendFailure: reply.SendFailed = true; return false;
    }
    return false;
  }
};

// Installs the echo client for the lifetime of the object.
class TEchoScope {
public:
  explicit TEchoScope(TIcmpEcho* echo) : FPrevious(SetIcmpEcho(echo)) {}
  ~TEchoScope() { SetIcmpEcho(FPrevious); }

private:
  TIcmpEcho* FPrevious;
};

// A clock that moves only when something sleeps on it.
class TFakeClock {
public:
  explicit TFakeClock(uint32_t start = 1000) {
    Ticks() = start;
    SetTickSource({[] { return Ticks(); }, [](int ms) { Ticks() += uint32_t(ms); }});
  }
  ~TFakeClock() { SetTickSource({}); }
  static uint32_t& Ticks() {
    static uint32_t ticks = 0;
    return ticks;
  }
};
