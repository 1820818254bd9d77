// The category panel group: a vertically scrolling column of category panels,
// stacked from top to bottom in the order of their Top values without gaps,
// and stacked again whenever a panel's height or collapsed state changes.
// Each panel has a header of the group's HeaderHeight with its caption and a
// chevron that collapses and expands it; a collapsed panel shows only its
// header, and a height set while collapsed is the height it shows when expanded.
#pragma once

#include "platform/Controls.h"

class QScrollArea;
class TCategoryPanelGroup;

// Scroll-bar request codes of WM_VSCROLL / WM_HSCROLL.
constexpr WPARAM SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3, SB_THUMBPOSITION = 4,
                 SB_THUMBTRACK = 5, SB_TOP = 6, SB_BOTTOM = 7, SB_ENDSCROLL = 8;

// The system's wheel-scroll-lines setting.
int WheelScrollLines();

class TCategoryPanel : public TCustomControl {
public:
  explicit TCategoryPanel(TComponent* AOwner);
  ~TCategoryPanel() override;

  TCategoryPanelGroup* PanelGroup() const { return FGroup; }
  void SetPanelGroup(TCategoryPanelGroup* group);
  bool Collapsed() const { return FCollapsed; }
  void SetCollapsed(bool v);
  // The height the panel shows when expanded.
  int FullHeight() const { return FFullHeight; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetVisible(bool v) override;
  void SetEnabled(bool v) override;
  int ClientHeight() const override;
  QWidget* ClientWidget() const override;
  int HeaderHeight() const;
  TRect HeaderRect() const { return TRect(0, 0, Width(), HeaderHeight()); }

  TNotifyEvent OnCollapse;
  TNotifyEvent OnExpand;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Resize() override;

private:
  friend class TCategoryPanelGroup;
  void PlaceSurface();
  TCategoryPanelGroup* FGroup = nullptr;
  QWidget* FSurface;
  bool FCollapsed = false;
  int FFullHeight = 200;
};

class TCategoryPanelGroup : public TWinControl {
public:
  explicit TCategoryPanelGroup(TComponent* AOwner);
  ~TCategoryPanelGroup() override;

  int PanelCount() const { return int(FPanels.size()); }
  TCategoryPanel* Panels(int index) const { return FPanels.at(size_t(index)); }
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int v);
  TFont& HeaderFont() { return FHeaderFont; }
  TColor ChevronColor = clBlack;
  TColor HeaderColor = clBtnFace;
  // Pictures drawn in the header in place of the chevron (empty: chevron).
  TPicture ExpandedImage;
  TPicture CollapsedImage;
  // Pixels per line step of the vertical scroll bar.
  int VertScrollIncrement = 8;
  bool VertScrollTracking = true;

  // Stacks the visible panels in the order of their Top values; `moved`, a
  // panel whose Top was just set, goes before others with the same Top.
  void ReAlign(TCategoryPanel* moved = nullptr);
  int ScrollPos() const;
  void SetScrollPos(int v);
  int ScrollRange() const;
  QWidget* ClientWidget() const override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  void CollapseAll();
  void ExpandAll();

protected:
  void WndProc(TMessage& Message) override;
  void Resize() override;

private:
  friend class TCategoryPanel;
  void AddPanel(TCategoryPanel* p);
  void RemovePanel(TCategoryPanel* p);
  QScrollArea* FScroll;
  QWidget* FContent;
  std::vector<TCategoryPanel*> FPanels;
  int FHeaderHeight = 24;
  TFont FHeaderFont;
  bool FAligning = false;
};
