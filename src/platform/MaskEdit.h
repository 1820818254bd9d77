// The masked edit: an edit whose text follows an edit mask, with the edit
// control's formatting rectangle, character-at-point query, alignment styles
// and the cut, copy, paste and character messages that descendants filter.
#pragma once

#include "platform/ControlMessages.h"
#include "platform/StdCtrls.h"

#include <QString>

#include <vector>

// An edit mask "mask;save-literals;blank" in the library's notation, read once.
struct TEditMaskInfo {
  QString QtMask;  // the same rules in Qt's input-mask notation, blank appended
  bool SaveLiterals = true;
  QChar Blank = '_';
  std::vector<bool> Literal;  // per text position: a literal, not an input place
};
// Translates the library's mask characters into Qt's by one table; the
// separators ':' and '/' become the locale's time and date separators.
TEditMaskInfo ParseEditMask(const QString& EditMask);

class TCustomMaskEdit : public TEdit {
public:
  explicit TCustomMaskEdit(TComponent* AOwner);

  QString EditMask() const { return FEditMask; }
  void SetEditMask(const QString& Value);
  // The text as shown, literals and blanks included.
  QString EditText() const;
  bool AutoSelect = true;

  // The formatting rectangle in client coordinates.
  TRect FormatRect() const;
  // The 0-based character position nearest to a client point.
  int CharFromPos(const TPoint& P) const;
  // ES_LEFT, ES_RIGHT or ES_CENTER.
  void SetEditStyle(unsigned Style);
  // bsSingle (the default) or bsNone.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

protected:
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  QString GetText() const override;
  void Resize() override;

private:
  void ApplyFormatRect();
  QString FEditMask;
  TEditMaskInfo FMask;
  TRect FFormatRect;
  bool FFormatRectSet = false;
  TBorderStyle FBorderStyle = bsSingle;
};

class TMaskEdit : public TCustomMaskEdit {
public:
  using TCustomMaskEdit::TCustomMaskEdit;
};
