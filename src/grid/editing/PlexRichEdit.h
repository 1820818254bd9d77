// The grid's rich edit: the editor of rich-text cells, and (a hidden second
// instance) the engine that paints and measures them. It formats the
// selection as sub- or superscript, hands Tab and the row keys to its grid,
// commits when the focus goes to the grid, gives the cell its text back on
// Escape, and grows the edited row while the user types past its bottom.
#pragma once

#include "grid/editing/RichTextStore.h"
#include "platform/RichEdit.h"

class TPlexStringGrid;

class TPlexRichEdit : public TRichEdit, public IRichTextStore {
public:
  // The owner is the grid.
  explicit TPlexRichEdit(TPlexStringGrid* AOwner);
  // Starts the control afresh for a new edit (empty content and typing format).
  void ReCreate();

  void SelNormal();
  void SelSubscript();
  void SelSuperscript();
  bool IsSelNormal() const;
  bool IsSelSubscript() const;
  bool IsSelSuperscript() const;
  // While locked, resize requests do not grow the row (the cell is being loaded).
  void LockRowGrowth() { FLocked = true; }
  void UnlockRowGrowth() { FLocked = false; }
  // The size the content asked for at the last resize request.
  int ReqWidth() const { return FReqWidth; }
  int ReqHeight() const { return FReqHeight; }
  // Escape ended the edit: the commit writes back the cell's text from
  // before the edit, once (the flag is spent by asking).
  bool TakeEscaped() {
    const bool escaped = FEscaped;
    FEscaped = false;
    return escaped;
  }

  void ClearRichText() override { Clear(); }
  void LoadRichText(const QByteArray& Stream) override { LoadFromStream(Stream); }
  QByteArray SaveRichText() override { return SaveToStream(); }

protected:
  void WndProc(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void RequestResize(const TRect& Requested) override;

private:
  void SetSelOffset(int Twips);
  bool SelOffsetIs(int Twips) const;
  TPlexStringGrid* FGrid;
  int FReqWidth = 0;
  int FReqHeight = 0;
  bool FLocked = false;
  bool FEscaped = false;
};
