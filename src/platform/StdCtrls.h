// The standard controls: label, link label, edit, memo, combo box, check box,
// radio button, list box and group box. Each wraps a Qt widget and keeps the
// library's event rules: Text set from code fires an edit's OnChange; Checked
// set from code fires OnClick when it changes; a list combo's ItemIndex set
// from code fires nothing; Key := 0 in OnKeyPress or OnKeyDown swallows the key.
#pragma once

#include "platform/Controls.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QComboBox;
class QCheckBox;
class QRadioButton;
class QListWidget;
class QGroupBox;

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
public:
  explicit TLabel(TComponent* AOwner);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout v);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  bool ShowAccelChar = true;
  TWinControl* FocusControl = nullptr;

protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;
  void AdjustBounds();

private:
  bool FAutoSize = true;
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FTransparent = false;
};

enum TSysLinkType { sltURL, sltID };

// A label whose caption may hold <a href="...">text</a> links.
class TLinkLabel : public TWinControl {
public:
  explicit TLinkLabel(TComponent* AOwner);
  std::function<void(TObject* Sender, const QString& Link, TSysLinkType LinkType)> OnLinkClick;
  bool AutoSize = true;
  // The caption as the label shows it (links as plain text).
  QString DisplayText() const;
  // Simulates a click on the link with this index (keyboard activation).
  void ActivateLink(int index);

protected:
  void ApplyText() override;
  void Resize() override;

private:
  void LinkClicked(const QString& link);
  QLabel* FLabel;
};

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TEdit : public TWinControl {
public:
  explicit TEdit(TComponent* AOwner);
  TNotifyEvent OnChange;
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int v);
  bool ReadOnly() const;
  void SetReadOnly(bool v);
  QChar PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(QChar c);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase v);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  QString SelText() const;
  void SetSelText(const QString& s);
  void SelectAll();
  void Clear() { SetText(QString()); }
  QLineEdit* LineEdit() const { return FEdit; }

protected:
  QString GetText() const override;
  void ApplyText() override;
  virtual void Change();
  bool ClicksOnMouseUp() const override { return true; }
  // The multi-line edit style: the text's lines show from the top, wrapped
  // with WordWrap; a masked or password edit stays on one line.
  void SetMultiLineDisplay(bool MultiLine, bool WordWrap);

private:
  QLineEdit* FEdit;
  int FMaxLength = 0;
  QChar FPasswordChar;
  TEditCharCase FCharCase = ecNormal;
  TAlignment FAlignment = taLeftJustify;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl {
public:
  explicit TMemo(TComponent* AOwner);
  TNotifyEvent OnChange;
  // Lines are a copy of the text split at line breaks; SetLines replaces it.
  TStringList Lines() const;
  void SetLines(const TStringList& lines);
  bool ReadOnly() const;
  void SetReadOnly(bool v);
  bool WordWrap() const;
  void SetWordWrap(bool v);
  void SetScrollBars(TScrollStyle v);

protected:
  QString GetText() const override;
  void ApplyText() override;

private:
  QPlainTextEdit* FMemo;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TWinControl {
public:
  explicit TComboBox(TComponent* AOwner);
  ~TComboBox() override;
  // The items; changing the list updates the box.
  TStringList& Items() { return FItems; }
  int ItemIndex() const;
  // From code: fires nothing.
  void SetItemIndex(int v);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle v);
  int DropDownCount() const;
  void SetDropDownCount(int v);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int v);
  bool Sorted() const { return FItems.Sorted(); }
  void SetSorted(bool v) { FItems.SetSorted(v); }
  bool DroppedDown() const;
  void SetDroppedDown(bool v);
  // The width of the dropped list; 0 makes it as wide as the box.
  int DroppedWidth() const { return FDroppedWidth; }
  void SetDroppedWidth(int v);
  // The selection in the edit field (CB_GETEDITSEL, CB_SETEDITSEL); nothing in a list-only combo.
  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  // The character position of the edit field nearest to a client point; 0 without one.
  int EditCharFromPos(const TPoint& P) const;
  // The list opening and closing arrive as CN_COMMAND with CBN_DROPDOWN and
  // CBN_CLOSEUP in the high word; the default handling fires these.
  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  QComboBox* Combo() const { return FCombo; }

protected:
  QString GetText() const override;
  void ApplyText() override;
  bool ClicksOnMouseUp() const override { return false; }
  void DefaultHandler(TMessage& Message) override;
  // The user picked an item of the list (by mouse or keys in the open list); fires OnSelect.
  virtual void Select();

private:
  void RebuildItems();
  void UserSelected(int index);
  QComboBox* FCombo;
  QObject* FDropWatcher = nullptr;  // a child of the list window
  int FDroppedWidth = 0;
  TStringList FItems;
  TComboBoxStyle FStyle = csDropDown;
  int FMaxLength = 0;
  bool FUpdating = false;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TWinControl {
public:
  explicit TCheckBox(TComponent* AOwner);
  bool Checked() const;
  // Fires OnClick when the state changes, from code as from the user.
  void SetChecked(bool v);
  TCheckBoxState State() const;
  void SetState(TCheckBoxState v);
  bool AllowGrayed = false;
  TAlignment Alignment = taRightJustify;

protected:
  void ApplyText() override;
  bool ClicksOnMouseUp() const override { return false; }

private:
  QCheckBox* FCheck;
  bool FSettingState = false;
};

class TRadioButton : public TWinControl {
public:
  explicit TRadioButton(TComponent* AOwner);
  bool Checked() const;
  void SetChecked(bool v);

protected:
  void ApplyText() override;
  bool ClicksOnMouseUp() const override { return false; }

private:
  QRadioButton* FRadio;
};

class TListBox : public TWinControl {
public:
  explicit TListBox(TComponent* AOwner);
  TStringList& Items() { return FItems; }
  int ItemIndex() const;
  void SetItemIndex(int v);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool v);
  bool Selected(int index) const;
  void SetSelected(int index, bool v);
  int SelCount() const;
  int Count() const { return FItems.Count(); }
  bool Sorted() const { return FItems.Sorted(); }
  void SetSorted(bool v) { FItems.SetSorted(v); }
  int ItemHeight() const;
  int TopIndex() const;
  // Index of the item at a client point, or -1.
  int ItemAtPos(const TPoint& p, bool existing) const;
  QListWidget* List() const { return FList; }

protected:
  bool ClicksOnMouseUp() const override { return false; }

private:
  void RebuildItems();
  QListWidget* FList;
  TStringList FItems;
  bool FMultiSelect = false;
  bool FUpdating = false;
};

class TGroupBox : public TWinControl {
public:
  explicit TGroupBox(TComponent* AOwner);

protected:
  void ApplyText() override;

private:
  QGroupBox* FBox;
};
