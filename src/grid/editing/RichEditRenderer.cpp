#include "grid/editing/RichEditRenderer.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/editing/PlexRichEdit.h"

namespace {
TPlexRichEdit& Loaded(TPlexStringGrid* Grid, const QString& RichText, const TFont* Font) {
  TPlexRichEdit& edit = *Grid->RichEdit();
  if (Font) edit.Font().Assign(*Font);
  edit.LoadRichText(RichStreamFromCellText(RichText));
  return edit;
}
}  // namespace

void TRichEditRenderer::Draw(TCanvas& Canvas, const QString& RichText, const TRect& Rect, bool Selected,
                             TColor SelectedTextColor) {
  Loaded(FGrid, RichText, &Canvas.Font()).DrawTo(Canvas, Rect, Selected ? SelectedTextColor : clNone);
}

TSize TRichEditRenderer::RequestedSize(TCanvas& Canvas, const QString& RichText, int Width, bool WordWrap) {
  TPlexRichEdit& edit = Loaded(FGrid, RichText, &Canvas.Font());
  edit.SetWordWrap(WordWrap);
  edit.SetWidth(std::max(1, Width));
  edit.RequestSize();
  const TSize size{edit.ReqWidth(), edit.ReqHeight()};
  edit.SetWidth(0);
  return size;
}

QString TRichEditRenderer::PlainText(const QString& RichText) {
  return Loaded(FGrid, RichText, nullptr).Document().PlainText("\r");
}
