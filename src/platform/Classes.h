// The library's object base, string lists and component ownership.
#pragma once

#include "platform/SysUtils.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class TObject {
public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// An ordered list of texts, each with an object slot that the list never frees.
class TStringList : public TObject {
public:
  TStringList() = default;
  int Count() const { return int(FItems.size()); }
  // Room for this many strings without growing again.
  int Capacity() const { return int(FItems.capacity()); }
  void SetCapacity(int Value) {
    if (Value > Count()) FItems.reserve(size_t(Value));
  }
  const QString& operator[](int index) const { return Strings(index); }
  const QString& Strings(int index) const;
  void SetStrings(int index, const QString& s);
  TObject* Objects(int index) const;
  void SetObject(int index, TObject* obj);

  int Add(const QString& s);
  int AddObject(const QString& s, TObject* obj);
  void Insert(int index, const QString& s);
  void InsertObject(int index, const QString& s, TObject* obj);
  void Delete(int index);
  void Clear();
  void Exchange(int a, int b);
  void Move(int from, int to);
  int IndexOf(const QString& s) const;  // case-insensitive unless CaseSensitive
  int IndexOfObject(const TObject* obj) const;
  int IndexOfName(const QString& name) const;
  void Assign(const TStringList& other);
  void AddStrings(const TStringList& other);

  // Lines joined with CR LF, each line ended; reading splits at CR LF, LF or CR.
  QString Text() const;
  void SetText(const QString& text);
  // Comma-separated, quoting items that hold blanks, commas or quotes.
  QString CommaText() const;
  void SetCommaText(const QString& text);
  QString DelimitedText() const;
  void SetDelimitedText(const QString& text);
  QChar Delimiter = ',';
  QChar QuoteChar = '"';
  bool StrictDelimiter = false;
  // name=value access.
  QString Names(int index) const;
  QString Values(const QString& name) const;
  QString ValueFromIndex(int index) const;
  void SetValue(const QString& name, const QString& value);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool v);
  void Sort();
  bool CaseSensitive = false;
  enum TDuplicates { dupIgnore, dupAccept, dupError };
  TDuplicates Duplicates = dupAccept;

  bool LoadFromFile(const QString& path);      // text file with BOM detection
  bool SaveToFile(const QString& path) const;  // UTF-8, CR LF, written whole or not at all
  QStringList ToQStringList() const;
  void FromQStringList(const QStringList& l);

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  TNotifyEvent OnChange;

private:
  struct Item {
    QString Text;
    TObject* Object = nullptr;
  };
  void CheckIndex(int index) const;
  void Changed();
  int Compare(const QString& a, const QString& b) const;
  int FindSorted(const QString& s, bool& found) const;
  std::vector<Item> FItems;
  bool FSorted = false;
  int FUpdateCount = 0;
};
using TStrings = TStringList;

enum class TOperation { opInsert, opRemove };

// A component owns the components created with it as owner and frees them
// when it is freed; components that ask for it hear of each other's removal.
class TComponent : public TObject {
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return int(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(size_t(index)); }
  QString Name;
  intptr_t Tag = 0;

  void InsertComponent(TComponent* c);
  void RemoveComponent(TComponent* c);
  // Ask to be told (Notification opRemove) when `c` is freed.
  void FreeNotification(TComponent* c);
  void RemoveFreeNotification(TComponent* c);
  bool Destroying() const { return FDestroying; }

protected:
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // Frees every owned component; descendants whose members those components
  // use call this at the start of their destructor.
  void DestroyComponents();
  // Marks the start of this component's destruction (Destroying() is true from
  // here on). Destructors that can still cause messages call it first.
  virtual void BeginDestruction() { FDestroying = true; }

private:
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  bool FDestroying = false;
};
