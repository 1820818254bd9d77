// The one graphic element a cell can carry, kept in its properties. The kind
// decides how the general-purpose fields are read; the typed accessors below
// name what each kind keeps where, so callers never cast a field themselves.
#pragma once

#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/CellProperties.h"
#include "platform/StdCtrls.h"
#include "platform/Types.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>

class TBitmap;
class TFilePicture;
class TIcon;
class TIntList;
class TInterfacedPersistent;
class TPicture;
class TStringList;

enum TCellType : uint8_t {
  ctBitmap,
  ctIcon,
  ctNone,
  ctImageList,
  ctCheckBox,
  ctDataCheckBox,
  ctRotated,
  ctDataImage,
  ctNode,
  ctRadio,
  ctEmpty,
  ctImages,
  ctPicture,
  ctFilePicture,
  ctValue,
  ctProgress,
  ctComment,
  ctButton,
  ctBitButton,
  ctVirtCheckBox,
  ctRowCheckBox,
  ctProgressPie,
  ctSummary,
  ctRangeIndicator,
  ctXPProgress,
  ctInterface,
  ctScrollbar,
  ctRadioButton,
  ctBalloon,
  ctShape,
  ctRating,
  ctTriStateCheckBox,
  ctExpand
};
static_assert(sizeof(TCellType) == 1 && ctExpand == 32);

enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TBalloonIcon { biNone, biInfo, biWarning, biError };

// Page size and range of an in-cell scroll bar.
struct TScrollProp {
  int PageSize = 0;
  int Range = 0;
};

// Called by a graphic's image list when it changes, with the cell it belongs to.
using TCellImagesNotifier = std::function<void(TObject* Sender, int ACol, int ARow)>;

class TCellGraphic : public TGridGraphicObject {
public:
  TCellGraphic() = default;
  ~TCellGraphic() override;
  TCellGraphic(const TCellGraphic&) = delete;
  TCellGraphic& operator=(const TCellGraphic&) = delete;

  QString ClassName() const override { return OwnedCellGraphicClass; }

  // Copies the plain fields; objects, CellVar and the tri-state are the caller's.
  void Assign(const TCellGraphic& Source);

  // ---- setters: each sets the kind, then its fields
  void SetInterfacedCell(TInterfacedPersistent* AObject);
  void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  void SetButton(int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
  void SetBitButton(int bw, int bh, const QString& Caption, TBitmap* Glyph, TCellHAlign hal, TCellVAlign val);
  void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding, TCellHAlign hal,
                  TCellVAlign val);
  void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                      TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetIcon(TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
  void SetDataImage(int Idx, TCellHAlign hal, TCellVAlign val);
  void SetImageIdx(int Idx, TCellHAlign hal, TCellVAlign val);
  // The graphic owns the new index list; its changes go to Notifier with (ACol, ARow).
  void SetMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val,
                     const TCellImagesNotifier& Notifier);
  // Rotated text; the angle is brought into 0..360 (360 stays 360).
  void SetAngle(int AAngle);
  // The size a picture takes in cw x rh pixels; other kinds leave Size alone.
  void GetPictureSize(int cw, int rh, bool HasText, TPoint& Size) const;

  // ---- typed views of the reference fields (null for another object or a colour)
  TBitmap* Bitmap() const;
  TPicture* Picture() const;
  TFilePicture* FilePicture() const;
  TStringList* Strings() const;
  TIntList* Images() const;
  TInterfacedPersistent* Interfaced() const;
  TIcon* Icon() const { return CellIcon; }
  // Whether an attached balloon list hangs on a check box or radio button.
  bool HasAttachedBalloon() const;

  // ---- per-kind readings of the shared fields
  int ButtonWidth() const { return CellIndex & 0xFFFF; }
  int ButtonHeight() const { return int(uint32_t(CellIndex) >> 16); }
  TStretchMode StretchMode() const { return TStretchMode(CellAngle); }
  int Padding() const { return CellIndex; }
  bool NodeContracted() const { return CellBoolean; }
  int NodeSpan() const { return CellIndex; }
  int SubNodeCount() const { return CellErrFrom; }
  int RangeMin() const { return CellErrFrom; }
  int RangeMax() const { return CellErrLen; }
  bool ExpandState() const { return CellVar.toBool(); }

  TCellType CellType = ctNone;
  // The kind's object; colour kinds keep CellColor instead (see below).
  TObject* CellBitmap = nullptr;
  TIcon* CellIcon = nullptr;
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  int CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  bool CellBoolean = false;
  int CellAngle = 0;
  double CellValue = 0;
  int CellErrFrom = 0;
  int CellErrLen = 0;
  QString CellText;
  QVariant CellVar;
  TCheckBoxState CellCheckBoxState = cbUnchecked;
  // Colours of the colour kinds, where the CellBitmap and CellIcon slots held
  // them: a colour is a value, never an object, so it has slots of its own.
  TColor CellColor = clNone;
  TColor CellIconColor = clNone;
  // A marked stretch of the cell text. Kept apart from the kind's fields, so
  // marking a node, a progress bar or a scroll bar leaves their values alone.
  int MarkerFrom = 0;
  int MarkerLen = 0;

private:
  void FreeOwned();
  void Place(TCellType Kind, TCellHAlign hal, TCellVAlign val);
};
