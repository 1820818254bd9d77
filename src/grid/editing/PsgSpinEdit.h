// The spin edit: a one-line edit with a pair of arrow buttons that edits an
// integer, a float, a date or a time of day. Typing is filtered character by
// character; the arrows, Up, Down, Page Up and Page Down step the value (a
// date or time field by field, the one under the caret); optional limits
// hold while the two limits of a pair differ.
#pragma once

#include "grid/editing/PsgSpinButton.h"
#include "platform/DateTime.h"
#include "platform/MaskEdit.h"

enum TPsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign { eaLeft, eaRight, eaCenter };

class TPsgSpinEdit : public TCustomMaskEdit {
public:
  explicit TPsgSpinEdit(TComponent* AOwner);
  ~TPsgSpinEdit() override;

  // ---- new virtual operations, in slot order ----
  virtual void SpinUp(bool Page);
  virtual void SpinDown(bool Page);
  virtual bool AcceptsKey(QChar& Key);
  virtual void UpButtonClick(TObject* Sender);
  virtual void DownButtonClick(TObject* Sender);

  // ---- values (the text is the truth) ----
  TPsgSpinType SpinType() const { return FSpinType; }
  void SetSpinType(TPsgSpinType Value);
  int Value() const;
  void SetValue(int Value);
  double FloatValue() const;
  void SetFloatValue(double Value);
  TDateTime DateValue() const;
  void SetDateValue(TDateTime Value);
  TDateTime TimeValue() const;
  void SetTimeValue(TDateTime Value);

  int MinValue = 0;
  int MaxValue = 100;
  double MinFloatValue = 0;
  double MaxFloatValue = 100;
  TDateTime MinDateValue = 0;
  TDateTime MaxDateValue = 0;
  int Increment = 1;
  double IncrementFloat = 0.1;
  double IncrementFloatPage = 1.0;
  int IncrementHours = 1;
  int IncrementMinutes = 1;
  int IncrementSeconds = 1;
  int Precision() const { return FPrecision; }
  void SetPrecision(int Value);
  bool ShowSeconds = true;
  bool EditorEnabled = true;
  bool ReturnIsTab = false;
  bool ExcelStyleDecimalSeparator = false;
  bool AllowEmptyValue = false;

  // ---- looks ----
  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection Value);
  TEditAlign EditAlign() const { return FEditAlign; }
  void SetEditAlign(TEditAlign Value);
  bool SpinFlat() const { return FSpinFlat; }
  void SetSpinFlat(bool Value);
  bool SpinTransparent() const { return FSpinTransparent; }
  void SetSpinTransparent(bool Value);
  TPsgSpinButton* Button() const { return FButton; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  // The month comes before the day in the short date format (read at each date step).
  bool UsDates() const { return FUsDates; }

  void BeginLoad() { FLoading = true; }
  void Loaded();
  int MinEditHeight() const;

protected:
  void WndProc(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void DoEnter() override;
  void DoExit() override;

private:
  int ClampValue(int V) const;
  double ClampFloat(double V) const;
  TDateTime ClampDate(TDateTime V) const;
  void SetTextKeepingCaret(const QString& Text);
  void StepDate(int Sign);
  void StepTime(int Sign);
  void ClampOnExit();
  void SetEditRect();
  void Relayout();
  void ApplySpinType();

  TPsgSpinType FSpinType = sptNormal;
  int FPrecision = 0;
  TDateTime FDateValue = 0;
  TDateTime FTimeValue = 0;
  TSpinDirection FDirection = spVertical;
  TEditAlign FEditAlign = eaLeft;
  bool FSpinFlat = false;
  bool FSpinTransparent = false;
  bool FIsWinXP = false;
  bool FUsDates = false;
  bool FLoading = false;
  int FPendingTabs = 0;
  TPsgSpinButton* FButton = nullptr;
};
