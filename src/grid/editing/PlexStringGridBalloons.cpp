// Balloon tooltips: one tooltip for the grid's window whose text the grid
// gives on each request, from the cell under the mouse, a balloon the cell
// carries, or OnCellBalloon; and the grid's other notifications.
#include "grid/core/PlexStringGrid.h"

#include "grid/editing/BalloonSettings.h"
#include "grid/editing/FireEvent.h"
#include "grid/foundation/PsgHTMLE.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/DateTimePicker.h"
#include "platform/FindControl.h"
#include "platform/ToolTips.h"

#include <QDate>

namespace {

// A cell text longer than this is cut to its first CutLength characters and "...".
constexpr int LongText = 2048;
constexpr int CutLength = 2045;
// A title longer than this becomes its first TitleCut characters and "...".
constexpr int LongTitle = 100;
constexpr int TitleCut = 97;
constexpr int BalloonTipWidth = 300;
const QString Ellipsis = QStringLiteral("...");

// The title icon the tooltip knows; anything else shows none.
int ToolTipIcon(int Icon) { return Icon >= biNone && Icon <= biError ? Icon : biNone; }

// Cuts a text that would not fit, whatever its source, to a length that does.
QString CutBalloonText(const QString& Text, int Counted) {
  if (Counted <= LongText) return Text;
  return Text.left(CutLength) + Ellipsis;
}

}  // namespace

void TPlexStringGrid::BalloonInit() {
  if (FHToolTip || IsDesigning()) return;
  FHToolTip = new TToolTipWindow(this);
  // The tool is the grid's whole client area; its text is given on each request.
  FHToolTip->AddTool(this, ClientRect());
  FHToolTip->SetTitle(ToolTipIcon(biError), "ToolTipText");
  if (FBalloon->InitialDelay != -1) FHToolTip->SetDelayTime(TTDT_INITIAL, FBalloon->InitialDelay);
  if (FBalloon->ReshowDelay != -1) FHToolTip->SetDelayTime(TTDT_RESHOW, FBalloon->ReshowDelay);
  if (FBalloon->AutoHideDelay != -1) FHToolTip->SetDelayTime(TTDT_AUTOPOP, FBalloon->AutoHideDelay);
  if (FBalloon->Transparency > 0) FHToolTip->SetOpacity(255 - FBalloon->Transparency);
  FBalloon->TooltipReady = true;
}

void TPlexStringGrid::BalloonDone() {
  delete FHToolTip;
  FHToolTip = nullptr;
  FBalloon->TooltipReady = false;
  FLastBalloonPos = TPoint(-1, -1);
}

void TPlexStringGrid::CopyToToolTipBuffer(const QString& Text) {
  // The last slot always holds the terminating null.
  const qsizetype n = std::min<qsizetype>(Text.size(), qsizetype(FToolTipBuffer.size()) - 1);
  for (qsizetype i = 0; i < n; ++i) FToolTipBuffer[size_t(i)] = char16_t(Text.at(i).unicode());
  FToolTipBuffer[size_t(n)] = u'\0';
}

void TPlexStringGrid::BalloonText(TNMTTDispInfo& Info) {
  const TPoint p = ScreenToClient(CursorPos());
  int ACol = -1, ARow = -1;
  MouseToCell(p.X, p.Y, ACol, ARow);
  int rcol = -1;
  QString text;
  int counted = 0;
  QString title = " ";
  TBalloonIcon icon = biInfo;
  if (ACol >= 0 && ARow >= 0) {
    const TPoint b = BaseCell(DisplayToRealCol(ACol), ARow);
    rcol = b.X;
    ARow = b.Y;
    ACol = RealToDisplayCol(rcol);
    const QString cell = GetCellEx(rcol, ARow);
    switch (CellTextKind(cell, EnableHTML)) {
      case ctkHtml: text = StripHtmlTags(cell); break;
      case ctkRichText: text = RichTextRenderer().PlainText(cell); break;
      case ctkWide: text = DecodeWideText(cell); break;
      default: text = cell; break;
    }
    counted = int(text.size());
    while (!text.isEmpty() && (text[0] == '\t' || text[0] == '\n' || text[0] == '\r')) text.remove(0, 1);
    text.replace('\t', ' ');
    text = CutBalloonText(text, counted);
    QString bTitle, bText;
    TBalloonIcon bIcon = biInfo;
    if (IsBalloon(rcol, ARow, bTitle, bText, bIcon)) {
      title = bTitle;
      text = bText;
      icon = bIcon;
    }
  }
  Fire(OnCellBalloon, this, rcol, ARow, title, text, icon);
  FLastBalloonPos = TPoint(ACol, ARow);
  // A text from a cell's balloon or the event is bounded the same way.
  CopyToToolTipBuffer(CutBalloonText(text, int(text.size())));
  Info.Text = FToolTipBuffer.data();
  if (title.size() > LongTitle) title = title.left(TitleCut) + Ellipsis;
  FHToolTip->SetMaxTipWidth(BalloonTipWidth);
  if (FBalloon->TextColor != clNone) FHToolTip->SetTipTextColor(FBalloon->TextColor);
  if (FBalloon->BackgroundColor != clNone) FHToolTip->SetTipBkColor(FBalloon->BackgroundColor);
  FHToolTip->SetTitle(ToolTipIcon(icon), title);
}

void TPlexStringGrid::WMNotify(TMessage& Message) {
  auto* info = reinterpret_cast<TNMTTDispInfo*>(Message.LParam);
  if (!info) return;
  if (info->Code == TTN_GETDISPINFOW) {
    if (FBalloon->Enable() && FHToolTip) BalloonText(*info);
    return;
  }
  if (info->Code == TTN_SHOW || info->Code == TTN_POP) return;
  if (info->Code == DTN_DATETIMECHANGE) {
    const auto* nm = reinterpret_cast<const TNMDateTime*>(Message.LParam);
    Fire(OnDateTimeChange, this, Col(), Row(), nm->Flags == GDT_NONE ? 0.0 : nm->Value);
  }
  TBaseGrid::WndProc(Message);
}
