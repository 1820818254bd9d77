// A string list read and written line by line like a text file: the grid's
// file import reads with ReadLn until Eof, its export writes with Write and
// WriteLn.
#pragma once

#include "platform/Classes.h"

class TFileStringList : public TStringList {
public:
  void Reset();
  bool Eof() const { return fp >= Count(); }
  // The next line; past the last one the list's index error (test Eof first).
  void ReadLn(QString& S);
  // Text for the current line, ended by the next WriteLn.
  void Write(const QString& S) { cache += S; }
  void WriteLn(const QString& S);

private:
  int fp = 0;
  QString cache;
};
