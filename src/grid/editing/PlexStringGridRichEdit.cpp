// The grid's two rich edits: the hidden one behind rich-text cells' painting,
// measuring and plain text, and the editor of edRichEdit cells.
#include "grid/core/PlexStringGrid.h"

#include "grid/editing/PlexRichEdit.h"
#include "platform/PopupWindows.h"

TPlexRichEdit* TPlexStringGrid::RichEdit() {
  if (!FRichEdit) {
    FRichEdit = new TPlexRichEdit(this);  // owned by the grid
    FRichEdit->SetVisible(false);
    FRichEdit->SetParent(this);
    FRichEdit->SetBorderStyle(bsNone);
    FRichEdit->SetTextMargin(0);
    FRichEdit->SetBounds(0, 0, 0, 0);
    // Rich cells are painted through it over the cell's own background.
    MakeWindowTransparent(FRichEdit);
  }
  return FRichEdit;
}

TPlexRichEdit* TPlexStringGrid::InplaceRichEdit() {
  if (!FInplaceRichEdit) {
    FInplaceRichEdit = new TPlexRichEdit(this);  // owned by the grid
    FInplaceRichEdit->SetVisible(false);
    FInplaceRichEdit->SetEnabled(false);
    FInplaceRichEdit->SetParent(this);
    FInplaceRichEdit->OnSelectionChange = [this](TObject*) {
      if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
    };
  }
  return FInplaceRichEdit;
}
