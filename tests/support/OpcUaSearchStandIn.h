// The OPC UA search library stand-in put where a program finds it: a temporary
// program folder holding one of its two builds, its canned answer and the file
// where it records the server record it was given.
#pragma once

#include "platform/Files.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

class TOpcUaSearchStandIn {
public:
  enum TBuild { Whole, WithoutReturnVariable, Missing };

  explicit TOpcUaSearchStandIn(TBuild Build = Whole) {
    EXPECT_TRUE(FFolder.isValid());
    SetProgramFolderOverride(FFolder.path());
    if (Build != Missing) {
      const char* folder = Build == Whole ? "/opcua_search/" : "/opcua_search_partial/";
      EXPECT_TRUE(QFile::copy(QStringLiteral(QUILLORE_TOOLS_DIR) + folder + "libOPC_UA_Search.so",
                              FFolder.path() + "/libOPC_UA_Search.so"));
    }
    setenv("OPCUA_SEARCH_ANSWER", QFile::encodeName(AnswerPath()).constData(), 1);
    setenv("OPCUA_SEARCH_RECORD", QFile::encodeName(RecordPath()).constData(), 1);
  }
  ~TOpcUaSearchStandIn() {
    unsetenv("OPCUA_SEARCH_ANSWER");
    unsetenv("OPCUA_SEARCH_RECORD");
    SetProgramFolderOverride(QString());
  }

  // A count, then one line a variable: ns, id type, numeric, string id, guid
  // (32 hex digits), byte string, display name, data type, access level, by tabs.
  void Answer(const QByteArray& Count, const QList<QByteArray>& Lines = {}) {
    QFile f(AnswerPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Count + "\n");
    for (const QByteArray& line : Lines) f.write(line + "\n");
  }
  static QByteArray Variable(int Access, const QByteArray& Name, int DataType = 5, int Numeric = 1) {
    return "2\t0\t" + QByteArray::number(Numeric) + "\t\t\t\t" + Name + "\t" + QByteArray::number(DataType) + "\t" +
           QByteArray::number(Access);
  }
  // The server record of the last scan: address, auth flag, user, password,
  // certificate, key, security type, security policy.
  QList<QByteArray> Recorded() const {
    QFile f(RecordPath());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().split('\0');
  }

private:
  QString AnswerPath() const { return FFolder.path() + "/answer.txt"; }
  QString RecordPath() const { return FFolder.path() + "/record.bin"; }
  QTemporaryDir FFolder;
};
