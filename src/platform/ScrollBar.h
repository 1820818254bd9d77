// The stand-alone scroll bar control: a position within Min..Max and a page
// size. Like the system's bar control it does not move itself: every request
// of the user goes to its parent as WM_HSCROLL or WM_VSCROLL with the bar's
// handle in LParam, and the parent sets the position it wants.
#pragma once

#include "platform/Controls.h"
#include "platform/ScrollCodes.h"

#include <vector>

class QScrollBar;

enum TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
public:
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  int Min() const { return FMin; }
  void SetMin(int Value) { SetParams(FPosition, Value, std::max(Value, FMax)); }
  int Max() const { return FMax; }
  void SetMax(int Value) { SetParams(FPosition, std::min(FMin, Value), Value); }
  // Kept within Min..Max; OnChange fires when it changes.
  int Position() const { return FPosition; }
  void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  void SetParams(int APosition, int AMin, int AMax);
  TNotifyEvent OnChange;

  // A request as the user makes it with the arrows, the track or the thumb.
  void Scroll(int ScrollCode, int Pos = 0);
  // What the bar asked of its parent, in order (also without a screen).
  struct TRequest {
    UINT Msg = 0;
    int Code = 0;
    int Pos = 0;
  };
  const std::vector<TRequest>& Requests() const { return FRequests; }

private:
  void ApplyToWidget();
  QScrollBar* FBar;
  TScrollBarKind FKind = sbHorizontal;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FPageSize = 0;
  bool FApplying = false;
  std::vector<TRequest> FRequests;
};
