// Panels, shapes, images and page controls.
#pragma once

#include "platform/Controls.h"

#include <QString>

class QTabWidget;

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl {
public:
  explicit TPanel(TComponent* AOwner);
  TBevelCut BevelOuter = bvRaised;
  TBevelCut BevelInner = bvNone;
  int BevelWidth = 1;
  bool ParentBackground = false;
  TAlignment Alignment = taCenter;
  bool ShowCaption = true;

protected:
  void Paint() override;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
public:
  explicit TShape(TComponent* AOwner);
  TPen& Pen() { return FPen; }
  TBrush& Brush() { return FBrush; }
  TShapeType Shape() const { return FShape; }
  void SetShape(TShapeType v);

protected:
  void Paint() override;

private:
  TPen FPen;
  TBrush FBrush;
  TShapeType FShape = stRectangle;
};

class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* AOwner);
  TPicture& Picture() { return FPicture; }
  // Call after changing Picture() so the control repaints and sizes itself.
  void PictureChanged();
  bool Stretch = false;
  bool Center = false;
  bool Proportional = false;
  bool Transparent = false;
  bool AutoSize = false;

protected:
  void Paint() override;

private:
  TPicture FPicture;
};

// A bar between two aligned controls: dragging it sizes the control it
// follows (the one above a top-aligned bar, left of a left-aligned one), never
// below MinSize, nor so far that the control behind the bar gets less.
class TSplitter : public TGraphicControl {
public:
  explicit TSplitter(TComponent* AOwner);
  int MinSize = 30;
  TNotifyEvent OnMoved;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  // The aligned sibling whose far edge touches the bar.
  TControl* SizedControl() const;
  bool FDragging = false;
  int FDownPos = 0;
};

class TPageControl;

// One page of a page control; its caption is the tab's text.
class TTabSheet : public TWinControl {
public:
  explicit TTabSheet(TComponent* AOwner);
  // Leaves its page control, which may outlive it when both belong to a form.
  ~TTabSheet() override;
  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* pc);
  int PageIndex() const;
  // Moves the page to that place among its page control's pages (clamped);
  // the page shown stays shown.
  void SetPageIndex(int index);
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool v);

protected:
  void ApplyText() override;

private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
};

class TPageControl : public TWinControl {
public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;
  int PageCount() const { return int(FPages.size()); }
  TTabSheet* Pages(int index) const { return FPages.at(size_t(index)); }
  TTabSheet* ActivePage() const;
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // Fired when the user changes the page (not when code does).
  TNotifyEvent OnChange;
  std::function<void(TObject* Sender, bool& AllowChange)> OnChanging;
  QWidget* ClientWidget() const override;

protected:
  void Resize() override;

private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  void UpdateTabs();
  QTabWidget* FTabs;
  std::vector<TTabSheet*> FPages;
  bool FUpdating = false;
  int FLastIndex = -1;
};
