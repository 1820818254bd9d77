// A list of integers that tells its owner of changes with the cell it
// belongs to (the grid repaints that cell). Adding, deleting and replacing
// an entry notify; inserting and emptying do not, callers rely on that.
#pragma once

#include "platform/Classes.h"

#include <QString>

#include <functional>
#include <vector>

using TImageChangeEvent = std::function<void(TObject* Sender, int Acol, int Arow)>;

class TIntList : public TObject {
public:
  TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

  int Count() const { return int(FItems.size()); }
  void Add(int Value);
  void Insert(int Index, int Value);
  void Delete(int Index);
  // Removes the first equal entry (notifying); nothing when absent.
  void DeleteValue(int Value);
  bool HasValue(int Value) const;
  // Position of the first equal entry; -1 when absent.
  int IndexOf(int Value) const;
  int GetInteger(int Index) const;
  void SetInteger(int Index, int Value);
  void Clear() { FItems.clear(); }
  // "1,2,3"; writing splits the comma text and adds each item, raising
  // EConvertError at an item that is no integer (the items before it stay).
  QString StrValue() const;
  void SetStrValue(const QString& Value);

  int Col() const { return FCol; }
  int Row() const { return FRow; }
  TImageChangeEvent OnChange;

protected:
  void Changed();
  void CheckIndex(int Index, int Limit) const;
  std::vector<int> FItems;

private:
  int FCol;
  int FRow;
};
