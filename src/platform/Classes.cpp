#include "platform/Classes.h"

#include "platform/Files.h"
#include "platform/Property.h"

#include <algorithm>

const QString& TStringList::Strings(int index) const {
  CheckIndex(index);
  return FItems[size_t(index)].Text;
}

void TStringList::SetStrings(int index, const QString& s) {
  CheckIndex(index);
  FItems[size_t(index)].Text = s;
  Changed();
}

TObject* TStringList::Objects(int index) const {
  CheckIndex(index);
  return FItems[size_t(index)].Object;
}

void TStringList::SetObject(int index, TObject* obj) {
  CheckIndex(index);
  FItems[size_t(index)].Object = obj;
  Changed();
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListError(QString("List index out of bounds (%1)").arg(index));
}

void TStringList::Changed() {
  if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TStringList::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

int TStringList::Compare(const QString& a, const QString& b) const {
  return CaseSensitive ? QString::compare(a, b) : CompareText(a, b);
}

int TStringList::FindSorted(const QString& s, bool& found) const {
  int lo = 0, hi = Count() - 1;
  found = false;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    int c = Compare(FItems[size_t(mid)].Text, s);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (Duplicates != dupAccept) lo = mid;
      }
    }
  }
  return lo;
}

int TStringList::Add(const QString& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const QString& s, TObject* obj) {
  int index = Count();
  if (FSorted) {
    bool found = false;
    index = FindSorted(s, found);
    if (found) {
      if (Duplicates == dupIgnore) return index;
      if (Duplicates == dupError) throw EListError("String list does not allow duplicates");
    }
  }
  FItems.insert(FItems.begin() + index, Item{s, obj});
  Changed();
  return index;
}

void TStringList::Insert(int index, const QString& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const QString& s, TObject* obj) {
  if (FSorted) throw EListError("Operation not allowed on sorted list");
  if (index < 0 || index > Count()) throw EListError(QString("List index out of bounds (%1)").arg(index));
  FItems.insert(FItems.begin() + index, Item{s, obj});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed();
}

void TStringList::Exchange(int a, int b) {
  CheckIndex(a);
  CheckIndex(b);
  std::swap(FItems[size_t(a)], FItems[size_t(b)]);
  Changed();
}

void TStringList::Move(int from, int to) {
  CheckIndex(from);
  CheckIndex(to);
  Item it = FItems[size_t(from)];
  FItems.erase(FItems.begin() + from);
  FItems.insert(FItems.begin() + to, it);
  Changed();
}

int TStringList::IndexOf(const QString& s) const {
  for (int i = 0; i < Count(); ++i)
    if (Compare(FItems[size_t(i)].Text, s) == 0) return i;
  return -1;
}

int TStringList::IndexOfObject(const TObject* obj) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[size_t(i)].Object == obj) return i;
  return -1;
}

int TStringList::IndexOfName(const QString& name) const {
  for (int i = 0; i < Count(); ++i)
    if (Compare(Names(i), name) == 0) return i;
  return -1;
}

void TStringList::Assign(const TStringList& other) {
  if (&other == this) return;
  FItems = other.FItems;
  Changed();
}

void TStringList::AddStrings(const TStringList& other) {
  for (const Item& it : std::vector<Item>(other.FItems)) AddObject(it.Text, it.Object);
}

QString TStringList::Text() const {
  QString r;
  for (const Item& it : FItems) {
    r += it.Text;
    r += "\r\n";
  }
  return r;
}

void TStringList::SetText(const QString& text) {
  BeginUpdate();
  FItems.clear();
  int start = 0;
  const int n = text.size();
  for (int i = 0; i < n; ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      FItems.push_back(Item{text.mid(start, i - start), nullptr});
      if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < n) FItems.push_back(Item{text.mid(start), nullptr});
  if (FSorted) Sort();
  EndUpdate();
}

QString TStringList::DelimitedText() const {
  QString r;
  for (int i = 0; i < Count(); ++i) {
    const QString& s = FItems[size_t(i)].Text;
    bool quote = s.isEmpty() && false;
    for (QChar c : s)
      if (c == QuoteChar || c == Delimiter || (!StrictDelimiter && c.unicode() <= ' ')) quote = true;
    if (i > 0) r += Delimiter;
    if (quote) {
      QString q = s;
      q.replace(QuoteChar, QString(QuoteChar) + QuoteChar);
      r += QuoteChar + q + QuoteChar;
    } else {
      r += s;
    }
  }
  return r;
}

void TStringList::SetDelimitedText(const QString& text) {
  BeginUpdate();
  FItems.clear();
  int i = 0;
  const int n = text.size();
  auto skipBlanks = [&] {
    if (!StrictDelimiter)
      while (i < n && text[i].unicode() <= ' ' && text[i] != Delimiter) ++i;
  };
  skipBlanks();
  while (i < n) {
    QString item;
    if (text[i] == QuoteChar) {
      ++i;
      while (i < n) {
        if (text[i] == QuoteChar) {
          if (i + 1 < n && text[i + 1] == QuoteChar) {
            item += QuoteChar;
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += text[i++];
      }
      while (i < n && text[i] != Delimiter && (StrictDelimiter || text[i].unicode() > ' ')) item += text[i++];
    } else {
      while (i < n && text[i] != Delimiter && (StrictDelimiter || text[i].unicode() > ' ')) item += text[i++];
    }
    FItems.push_back(Item{item, nullptr});
    skipBlanks();
    if (i < n && text[i] == Delimiter) {
      ++i;
      if (i >= n) FItems.push_back(Item{QString(), nullptr});
      skipBlanks();
    }
  }
  EndUpdate();
}

QString TStringList::CommaText() const {
  TStringList copy;
  copy.FItems = FItems;
  return copy.DelimitedText();
}

void TStringList::SetCommaText(const QString& text) {
  QChar d = Delimiter, q = QuoteChar;
  bool strict = StrictDelimiter;
  Delimiter = ',';
  QuoteChar = '"';
  StrictDelimiter = false;
  SetDelimitedText(text);
  Delimiter = d;
  QuoteChar = q;
  StrictDelimiter = strict;
}

QString TStringList::Names(int index) const {
  const QString& s = Strings(index);
  int p = s.indexOf('=');
  return p >= 0 ? s.left(p) : QString();
}

QString TStringList::ValueFromIndex(int index) const {
  const QString& s = Strings(index);
  int p = s.indexOf('=');
  return p >= 0 ? s.mid(p + 1) : QString();
}

QString TStringList::Values(const QString& name) const {
  int i = IndexOfName(name);
  return i >= 0 ? ValueFromIndex(i) : QString();
}

void TStringList::SetValue(const QString& name, const QString& value) {
  int i = IndexOfName(name);
  if (value.isEmpty()) {
    if (i >= 0) Delete(i);
  } else if (i >= 0) {
    SetStrings(i, name + "=" + value);
  } else {
    Add(name + "=" + value);
  }
}

void TStringList::SetSorted(bool v) {
  SetProperty(FSorted, v, [&] {
    if (v) Sort();
  });
}

void TStringList::Sort() {
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const Item& a, const Item& b) { return Compare(a.Text, b.Text) < 0; });
  Changed();
}

bool TStringList::LoadFromFile(const QString& path) {
  bool ok = false;
  QString text = ReadTextFile(path, &ok);
  if (!ok) return false;
  SetText(text);
  return true;
}

bool TStringList::SaveToFile(const QString& path) const { return WriteFileAtomic(path, Text().toUtf8()); }

QStringList TStringList::ToQStringList() const {
  QStringList l;
  for (const Item& it : FItems) l << it.Text;
  return l;
}

void TStringList::FromQStringList(const QStringList& l) {
  BeginUpdate();
  FItems.clear();
  for (const QString& s : l) FItems.push_back(Item{s, nullptr});
  EndUpdate();
}

// ---- TComponent ----

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  FDestroying = true;
  for (TComponent* c : std::vector<TComponent*>(FFreeNotifies)) {
    c->Notification(this, TOperation::opRemove);
    auto& v = c->FFreeNotifies;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
  }
  FFreeNotifies.clear();
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  BeginDestruction();
  while (!FComponents.empty()) {
    TComponent* c = FComponents.back();
    FComponents.pop_back();
    c->FOwner = nullptr;
    delete c;
  }
}

void TComponent::InsertComponent(TComponent* c) {
  if (c->FOwner) c->FOwner->RemoveComponent(c);
  c->FOwner = this;
  FComponents.push_back(c);
  Notification(c, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* c) {
  auto it = std::find(FComponents.begin(), FComponents.end(), c);
  if (it == FComponents.end()) return;
  Notification(c, TOperation::opRemove);
  FComponents.erase(it);
  c->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* c) {
  if (!c || c == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), c) == FFreeNotifies.end()) FFreeNotifies.push_back(c);
  if (std::find(c->FFreeNotifies.begin(), c->FFreeNotifies.end(), this) == c->FFreeNotifies.end())
    c->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* c) {
  if (!c) return;
  FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), c), FFreeNotifies.end());
  c->FFreeNotifies.erase(std::remove(c->FFreeNotifies.begin(), c->FFreeNotifies.end(), this), c->FFreeNotifies.end());
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == TOperation::opRemove) {
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent), FFreeNotifies.end());
  }
}
