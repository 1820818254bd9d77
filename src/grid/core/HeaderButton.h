// The button definitions of a drop-down editor's header and footer bars, and
// the collection that holds them and tells its appearance of changes.
#pragma once

#include "platform/Classes.h"
#include "platform/Property.h"
#include "platform/Types.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class THeaderButton : public TObject {
public:
  explicit THeaderButton(std::function<void()> ANotify = {}) : FNotify(std::move(ANotify)) {}
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value) {
    SetProperty(FCaption, Value, [this] { Notify(); });
  }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) {
    SetProperty(FEnabled, Value, [this] { Notify(); });
  }
  // 0: sized to the caption.
  int Width() const { return FWidth; }
  void SetWidth(int Value) {
    SetProperty(FWidth, Value, [this] { Notify(); });
  }
  virtual void Assign(const THeaderButton& Source) {
    FCaption = Source.FCaption;
    FEnabled = Source.FEnabled;
    FWidth = Source.FWidth;
    ImageIndex = Source.ImageIndex;
    Height = Source.Height;
  }

  int ImageIndex = -1;
  // 0: sized to the caption; a write only stores.
  int Height = 0;

private:
  void Notify() {
    if (FNotify) FNotify();
  }
  QString FCaption;
  bool FEnabled = true;
  int FWidth = 0;
  std::function<void()> FNotify;
};

class TFooterButton : public THeaderButton {
public:
  using THeaderButton::THeaderButton;
  void Assign(const THeaderButton& Source) override {
    THeaderButton::Assign(Source);
    if (const auto* s = dynamic_cast<const TFooterButton*>(&Source)) ModalResult = s->ModalResult;
  }
  TModalResult ModalResult = 0;
};

// An owned collection of button definitions; OnChange fires when one is
// added or a definition's notifying property changes.
template <class TButton>
class TBarButtons : public TObject {
public:
  int Count() const { return int(FItems.size()); }
  TButton& Items(int Index) { return *FItems.at(size_t(Index)); }
  const TButton& Items(int Index) const { return *FItems.at(size_t(Index)); }
  TButton& Add() { return Insert(Count()); }
  TButton& Insert(int Index) {
    Index = std::clamp(Index, 0, Count());
    auto it = FItems.insert(FItems.begin() + Index, std::make_unique<TButton>([this] { Changed(); }));
    Changed();
    return **it;
  }
  void Clear() {
    FItems.clear();
    Changed();
  }
  void Assign(const TBarButtons& Source) {
    if (&Source == this) return;
    FItems.clear();
    for (const auto& item : Source.FItems) {
      FItems.push_back(std::make_unique<TButton>([this] { Changed(); }));
      FItems.back()->Assign(*item);
    }
    Changed();
  }
  TNotifyEvent OnChange;

private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  std::vector<std::unique_ptr<TButton>> FItems;
};

using THeaderButtons = TBarButtons<THeaderButton>;
using TFooterButtons = TBarButtons<TFooterButton>;
