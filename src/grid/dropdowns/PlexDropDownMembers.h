// The drop-down editors: a track bar, a memo, a calculator, a time, a
// multi-column list, a grid, a detail list, a colour and an image picker.
// Each holds its value in the edit of the drop-down base and fills its popup
// from it; the popups show a plain list or panel of the choices.
#pragma once

#include "grid/dropdowns/PlexCustomDropDown.h"
#include "platform/Classes.h"
#include "platform/ImageList.h"
#include "platform/StdCtrls.h"

#include <vector>

class TPlexStringGrid;

// An integer in a range, stepped in the closed edit or on the popup's track.
class TPlexTrackBarDropDown : public TPlexCustomDropDown {
public:
  explicit TPlexTrackBarDropDown(TComponent* AOwner);
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const { return FPosition; }
  // Clamped to Min and Max; the edit shows the position.
  void SetPosition(int Value);
  int Frequency = 1;
  TNotifyEvent OnTrackChange;

protected:
  // The numeric edit type: an empty text reads as 0.
  QString FormatText(const QString& Value) const override;
  void Change() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoBeforeDropDown() override;

private:
  TLabel* FTrack;
  int FMin = 0, FMax = 10, FPosition = 0;
};

// A multi-line text: the edit shows the first line, the popup the whole text.
class TPlexMemoDropDown : public TPlexCustomDropDown {
public:
  explicit TPlexMemoDropDown(TComponent* AOwner);
  TStringList& MemoText() { return FMemoText; }
  void SetMemoText(const TStringList& Value);
  // The lines as one text, a line break between each two.
  QString MemoValue() const;
  TMemo* Memo() const { return FMemo; }

protected:
  void Change() override;
  void DoBeforeDropDown() override;
  void DoHideDropDown(bool Cancel) override;
  void AfterHideDropDown() override;

private:
  void UpdateEditText();
  TStringList FMemoText;
  TMemo* FMemo;
  bool FInternalUpdate = false;
};

// A number worked on as on a pocket calculator: operators typed into the
// closed edit apply at once, with no precedence.
class TPlexCalculatorDropdown : public TPlexCustomDropDown {
public:
  explicit TPlexCalculatorDropdown(TComponent* AOwner);
  int Precision = 2;
  // Completes the pending operation as "=" does; the result is the text.
  void CalcResult() { DoEquals(); }

protected:
  // Numbers shown with Precision decimals; "Error" stays.
  QString FormatText(const QString& Value) const override;
  void KeyPress(QChar& Key) override;

private:
  double Display() const;
  void ShowValue(double Value);
  void ApplyPending();
  void DoEquals();
  void DoOperator(int Op);
  double FPrevval = 0;
  int FPrevop = -1;
  bool FNewval = true;
};

// A time of day, typed or chosen.
class TPlexTimePickerDropDown : public TPlexCustomDropDown {
public:
  explicit TPlexTimePickerDropDown(TComponent* AOwner);
};

// The shared part of the list pickers: one list box in the popup whose click
// chooses the item and closes it.
class TPlexListDropDown : public TPlexCustomDropDown {
public:
  explicit TPlexListDropDown(TComponent* AOwner);
  int ItemIndex() const { return FItemIndex; }
  virtual void SetItemIndex(int Value) = 0;
  TListBox* List() const { return FList; }

protected:
  // The texts the popup lists, one per item.
  virtual QStringList ListTexts() const = 0;
  void DoBeforeDropDown() override;
  void DoSelectNext() override;
  void DoSelectPrevious() override;
  virtual int ItemCount() const { return ListTexts().size(); }
  int FItemIndex = -1;

private:
  TListBox* FList;
};

// Rows of several columns; the lookup column's text is the value.
class TPlexMultiColumnDropDown : public TPlexListDropDown {
public:
  using TPlexListDropDown::TPlexListDropDown;
  // Each item is one row of column texts.
  std::vector<QStringList>& Items() { return FItems; }
  int LookupColumn = 0;
  // The item whose lookup-column text equals Value, -1 when none.
  int GetItemIndex(const QString& Value) const;
  void SetItemIndex(int Value) override;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate() { FUpdateCount = FUpdateCount > 0 ? FUpdateCount - 1 : 0; }

protected:
  QStringList ListTexts() const override;

private:
  QString LookupText(int Index) const;
  std::vector<QStringList> FItems;
  int FUpdateCount = 0;
};

// A whole grid in the popup, or a list of items looked up the same way.
class TCustomPlexGridDropDown : public TPlexListDropDown {
public:
  explicit TCustomPlexGridDropDown(TComponent* AOwner);
  ~TCustomPlexGridDropDown() override;
  // The grid the popup shows its rows in, made on first use.
  TPlexStringGrid* GetGrid();
  // The items are looked up instead of the grid's rows.
  bool UseItems = false;
  std::vector<QStringList>& Items() { return FItems; }
  int LookupColumn = 0;
  bool CaseSensitive = false;
  // The first item or row whose lookup text begins with Text.
  bool FindLookupMatch(const QString& Text, QString& FullText, int& Index);
  void SetItemIndex(int Value) override;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate() { FUpdateCount = FUpdateCount > 0 ? FUpdateCount - 1 : 0; }

protected:
  QStringList ListTexts() const override;

private:
  QStringList LookupTexts() const;
  TPlexStringGrid* FGrid = nullptr;
  std::vector<QStringList> FItems;
  int FUpdateCount = 0;
};

struct TDetailItem {
  QString Caption;
  QString Notes;
};

class TDetailItems {
public:
  int Count() const { return int(FItems.size()); }
  TDetailItem& operator[](int Index) { return FItems[size_t(Index)]; }
  const TDetailItem& operator[](int Index) const { return FItems[size_t(Index)]; }
  TDetailItem& Add(const QString& Caption, const QString& Notes = QString());
  // The item with exactly that caption, -1 when none.
  int IndexOf(const QString& Caption) const;
  void Clear() { FItems.clear(); }

private:
  std::vector<TDetailItem> FItems;
};

// Items with a caption and a note; the caption is the value.
class TPlexDetailDropDown : public TPlexListDropDown {
public:
  using TPlexListDropDown::TPlexListDropDown;
  TDetailItems& Items() { return FItems; }
  // Shows the item's caption (-1 clears the text) and fires OnSelect.
  void SetItemIndex(int Value) override;
  TNotifyEvent OnSelect;

protected:
  QStringList ListTexts() const override;

private:
  TDetailItems FItems;
};

struct TColorItem {
  QString Caption;
  TColor Color;
};

// One of a list of named colours; the edit shows the colour's name.
class TPlexColorPickerDropDown : public TPlexListDropDown {
public:
  explicit TPlexColorPickerDropDown(TComponent* AOwner);
  std::vector<TColorItem>& Colors() { return FColors; }
  // The sixteen named colours, from Black to White.
  void AddDefaultColors();
  TColor SelectedColor() const { return FSelectedColor; }
  // Selects the first item of that colour, none when no item has it.
  void SetSelectedColor(TColor Value);
  QString SelectedColorText() const;
  void SetItemIndex(int Value) override;
  TNotifyEvent OnSelect;

protected:
  QStringList ListTexts() const override;

private:
  std::vector<TColorItem> FColors;
  TColor FSelectedColor = clNone;
};

struct TImageItem {
  QString Caption;
  int ImageIndex = -1;
};

// One image of an image list; the value is its index in the list.
class TPlexImagePickerDropDown : public TPlexListDropDown {
public:
  explicit TPlexImagePickerDropDown(TComponent* AOwner);
  TImageList* Images = nullptr;
  std::vector<TImageItem>& Items() { return FItems; }
  // One item per image of Images.
  void AddImagesFromImageList();
  // The selected item's image index, -1 when none.
  int ImageIndex() const;
  // Selects the first item with that image index, none when no item has it.
  void SetImageIndex(int Value);
  void SetItemIndex(int Value) override;
  TNotifyEvent OnSelect;

protected:
  QStringList ListTexts() const override;

private:
  std::vector<TImageItem> FItems;
};
