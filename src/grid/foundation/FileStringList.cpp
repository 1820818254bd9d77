#include "grid/foundation/FileStringList.h"

void TFileStringList::Reset() {
  fp = 0;
  cache.clear();
}

void TFileStringList::ReadLn(QString& S) {
  S = Strings(fp);
  ++fp;
}

void TFileStringList::WriteLn(const QString& S) {
  Add(cache + S);
  cache.clear();
}
