#include "platform/StdCtrls.h"

#include "platform/Application.h"
#include "platform/ControlMessages.h"
#include "platform/internal/LineEditWidget.h"
#include "platform/internal/Painting.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

// ---- TLabel ----

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetParentColor(true);
  SetBounds(0, 0, 65, 13);
}

void TLabel::SetAutoSize(bool v) {
  FAutoSize = v;
  AdjustBounds();
}

void TLabel::SetAlignment(TAlignment v) {
  FAlignment = v;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout v) {
  FLayout = v;
  Invalidate();
}

void TLabel::SetWordWrap(bool v) {
  FWordWrap = v;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool v) {
  FTransparent = v;
  Invalidate();
}

namespace {
int LabelTextFlags(TAlignment a, TTextLayout l, bool wrap, bool accel) {
  int f = 0;
  f |= a == taCenter ? Qt::AlignHCenter : a == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
  f |= l == tlCenter ? Qt::AlignVCenter : l == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
  if (wrap) f |= Qt::TextWordWrap;
  if (accel) f |= Qt::TextShowMnemonic;
  return f;
}
}  // namespace

void TLabel::AdjustBounds() {
  if (!FAutoSize) return;
  QFontMetrics fm(ToQFont(Font()));
  const QString text = Caption().isEmpty() ? QString(" ") : Caption();
  QRect r = FWordWrap ? fm.boundingRect(QRect(0, 0, std::max(1, Width()), 100000),
                                        LabelTextFlags(taLeftJustify, tlTop, true, ShowAccelChar), text)
                      : fm.boundingRect(QRect(0, 0, 100000, 100000),
                                        LabelTextFlags(taLeftJustify, tlTop, false, ShowAccelChar), text);
  int w = FWordWrap ? Width() : r.width();
  int x = Left();
  if (!FWordWrap && FAlignment == taRightJustify) x = Left() + Width() - w;
  SetBounds(x, Top(), w, std::max(r.height(), fm.height()));
}

void TLabel::TextChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
  Invalidate();
}

void TLabel::Paint() {
  QPainter* p = CanvasPainter(Canvas());
  if (!p) return;
  if (!FTransparent) p->fillRect(ClientRect().toQRect(), ToQColor(Color()));
  p->setFont(ToQFont(Font()));
  p->setPen(Enabled() ? ToQColor(Font().Color()) : ToQColor(clGrayText));
  p->drawText(ClientRect().toQRect(), LabelTextFlags(FAlignment, FLayout, FWordWrap, ShowAccelChar), Caption());
}

// ---- TLinkLabel ----

TLinkLabel::TLinkLabel(TComponent* AOwner) : TWinControl(AOwner) {
  FLabel = new QLabel(Widget());
  FLabel->setTextFormat(Qt::RichText);
  FLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  FLabel->setOpenExternalLinks(false);
  QObject::connect(FLabel, &QLabel::linkActivated, [this](const QString& link) { LinkClicked(link); });
  SetBounds(0, 0, 60, 17);
}

void TLinkLabel::LinkClicked(const QString& link) {
  SafeCall([&] {
    if (OnLinkClick) OnLinkClick(this, link, sltURL);
  });
}

void TLinkLabel::Resize() {
  FLabel->setGeometry(0, 0, Width(), Height());
  TWinControl::Resize();
}

void TLinkLabel::ApplyText() {
  // Keep the markup of links; everything else is shown as plain text.
  const QString caption = Caption();
  QString html;
  static const QRegularExpression re(
      R"re(<a\s+href\s*=\s*"([^"]*)"\s*>(.*?)</a>)re",
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  int last = 0;
  auto it = re.globalMatch(caption);
  while (it.hasNext()) {
    auto m = it.next();
    html += caption.mid(last, m.capturedStart() - last).toHtmlEscaped();
    html += QString("<a href=\"%1\">%2</a>").arg(m.captured(1).toHtmlEscaped(), m.captured(2).toHtmlEscaped());
    last = m.capturedEnd();
  }
  html += caption.mid(last).toHtmlEscaped();
  FLabel->setText(html);
  if (AutoSize) {
    FLabel->adjustSize();
    SetBounds(Left(), Top(), FLabel->width(), FLabel->height());
  }
  FLabel->setGeometry(0, 0, Width(), Height());
}

QString TLinkLabel::DisplayText() const {
  QTextDocument doc;
  doc.setHtml(FLabel->text());
  return doc.toPlainText();
}

void TLinkLabel::ActivateLink(int index) {
  static const QRegularExpression re(R"re(<a\s+href\s*=\s*"([^"]*)")re", QRegularExpression::CaseInsensitiveOption);
  auto it = re.globalMatch(Caption());
  for (int i = 0; it.hasNext(); ++i) {
    auto m = it.next();
    if (i == index) {
      LinkClicked(m.captured(1));
      return;
    }
  }
}

// ---- TEdit ----

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner, new TLineEditWidget()) {
  FEdit = static_cast<QLineEdit*>(Widget());
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
  QObject::connect(FEdit, &QLineEdit::textChanged, [this](const QString&) {
    FText = FEdit->text();
    SafeCall([this] { Change(); });
  });
  QObject::connect(FEdit, &QLineEdit::textEdited, [this](const QString& t) {
    if (FCharCase == ecNormal) return;
    const QString c = FCharCase == ecUpperCase ? t.toUpper() : t.toLower();
    if (c != t) {
      int pos = FEdit->cursorPosition();
      FEdit->setText(c);
      FEdit->setCursorPosition(pos);
    }
  });
}

QString TEdit::GetText() const { return FEdit->text(); }

void TEdit::ApplyText() {
  QString t = FText;
  if (FCharCase == ecUpperCase)
    t = t.toUpper();
  else if (FCharCase == ecLowerCase)
    t = t.toLower();
  FEdit->setText(t);
}

void TEdit::Change() {
  if (OnChange) OnChange(this);
}

void TEdit::SetMaxLength(int v) {
  FMaxLength = std::max(0, v);
  const int limit = FMaxLength == 0 ? 32767 : FMaxLength;
  if (FEdit->maxLength() == limit) return;
  // The limit is for what is typed next: the selection and the caret stay,
  // which the widget alone would reset.
  const int caret = FEdit->cursorPosition();
  const int start = FEdit->selectionStart();
  const int anchor = start < 0 ? caret : caret == start ? start + int(FEdit->selectedText().size()) : start;
  FEdit->setMaxLength(limit);
  const int size = int(FEdit->text().size());
  const int a = std::min(anchor, size), c = std::min(caret, size);
  FEdit->setSelection(a, c - a);
}

bool TEdit::ReadOnly() const { return FEdit->isReadOnly(); }
void TEdit::SetReadOnly(bool v) { FEdit->setReadOnly(v); }

void TEdit::SetPasswordChar(QChar c) {
  FPasswordChar = c;
  FEdit->setEchoMode(c.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TEdit::SetCharCase(TEditCharCase v) {
  FCharCase = v;
  if (v != ecNormal) {
    FText = GetText();
    ApplyText();
  }
}

void TEdit::SetAlignment(TAlignment v) {
  FAlignment = v;
  FEdit->setAlignment((v == taCenter         ? Qt::AlignHCenter
                       : v == taRightJustify ? Qt::AlignRight
                                             : Qt::AlignLeft) |
                      Qt::AlignVCenter);
}

int TEdit::SelStart() const { return FEdit->hasSelectedText() ? FEdit->selectionStart() : FEdit->cursorPosition(); }

void TEdit::SetSelStart(int v) {
  FEdit->deselect();
  FEdit->setCursorPosition(std::clamp(v, 0, int(FEdit->text().size())));
}

int TEdit::SelLength() const { return FEdit->hasSelectedText() ? int(FEdit->selectedText().size()) : 0; }

void TEdit::SetSelLength(int v) {
  const int start = SelStart();
  FEdit->setSelection(start, std::clamp(v, 0, int(FEdit->text().size()) - start));
}

QString TEdit::SelText() const { return FEdit->selectedText(); }

void TEdit::SetSelText(const QString& s) { FEdit->insert(s); }

void TEdit::SelectAll() { FEdit->selectAll(); }

void TEdit::SetMultiLineDisplay(bool MultiLine, bool WordWrap) {
  static_cast<TLineEditWidget*>(FEdit)->SetMultiLine(MultiLine, WordWrap);
}

// ---- TMemo ----

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner, new QPlainTextEdit()) {
  FMemo = static_cast<QPlainTextEdit*>(Widget());
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
  QObject::connect(FMemo, &QPlainTextEdit::textChanged, [this] {
    SafeCall([this] {
      if (OnChange) OnChange(this);
    });
  });
}

QString TMemo::GetText() const {
  QString t = FMemo->toPlainText();
  t.replace("\n", "\r\n");
  return t;
}

void TMemo::ApplyText() {
  QString t = FText;
  t.replace("\r\n", "\n");
  FMemo->setPlainText(t);
}

TStringList TMemo::Lines() const {
  TStringList l;
  l.SetText(FMemo->toPlainText());
  return l;
}

void TMemo::SetLines(const TStringList& lines) {
  QString t = lines.Text();
  if (t.endsWith("\r\n")) t.chop(2);
  SetText(t);
}

bool TMemo::ReadOnly() const { return FMemo->isReadOnly(); }
void TMemo::SetReadOnly(bool v) { FMemo->setReadOnly(v); }
bool TMemo::WordWrap() const { return FMemo->lineWrapMode() != QPlainTextEdit::NoWrap; }
void TMemo::SetWordWrap(bool v) { FMemo->setLineWrapMode(v ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap); }

void TMemo::SetScrollBars(TScrollStyle v) {
  FMemo->setHorizontalScrollBarPolicy(v == ssHorizontal || v == ssBoth ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
  FMemo->setVerticalScrollBarPolicy(v == ssVertical || v == ssBoth ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

// ---- TComboBox ----

namespace {
// Reports the list window's showing and hiding to its combo as the
// system's drop notifications.
class TComboDropWatcher : public QObject {
public:
  TComboDropWatcher(TComboBox* combo, QObject* parent) : QObject(parent), FCombo(combo) {}
  bool eventFilter(QObject*, QEvent* e) override {
    const unsigned code = e->type() == QEvent::Show ? CBN_DROPDOWN : e->type() == QEvent::Hide ? CBN_CLOSEUP : 0;
    if (code != 0) SafeCall([&] { FCombo->Perform(CN_COMMAND, MakeWParam(0, code)); });
    return false;
  }

private:
  TComboBox* FCombo;
};
}  // namespace

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner, new QComboBox()) {
  FCombo = static_cast<QComboBox*>(Widget());
  FCombo->setEditable(true);
  FCombo->setInsertPolicy(QComboBox::NoInsert);
  FCombo->setMaxVisibleItems(8);
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 145, 21);
  FItems.OnChange = [this](TObject*) { RebuildItems(); };
  QWidget* list = FCombo->view()->window();
  FDropWatcher = new TComboDropWatcher(this, list);
  list->installEventFilter(FDropWatcher);
  QObject::connect(FCombo, QOverload<int>::of(&QComboBox::activated), [this](int index) { UserSelected(index); });
  QObject::connect(FCombo, &QComboBox::editTextChanged, [this](const QString& t) {
    if (FUpdating || !FCombo->lineEdit() || !FCombo->lineEdit()->isModified()) return;
    FText = t;
    SafeCall([this] {
      if (OnChange) OnChange(this);
    });
  });
}

// The list window outlives this part of the control; it must report nothing more.
TComboBox::~TComboBox() { delete FDropWatcher; }

void TComboBox::RebuildItems() {
  FUpdating = true;
  const QString text = GetText();
  const int index = FCombo->currentIndex();
  const QString selected = index >= 0 ? FCombo->itemText(index) : QString();
  FCombo->blockSignals(true);
  FCombo->clear();
  FCombo->addItems(FItems.ToQStringList());
  // The selection survives a change of the list that keeps its item in place.
  const bool keep = index >= 0 && index < FCombo->count() && FCombo->itemText(index) == selected;
  FCombo->setCurrentIndex(keep ? index : -1);
  if (FCombo->isEditable()) FCombo->setEditText(keep ? selected : text);
  FCombo->blockSignals(false);
  FUpdating = false;
}

void TComboBox::UserSelected(int index) {
  SafeCall([&] {
    FText = FCombo->itemText(index);
    if (FCombo->lineEdit()) FCombo->lineEdit()->setModified(false);
    if (OnChange) OnChange(this);
    Select();
  });
}

void TComboBox::Select() {
  if (OnSelect) OnSelect(this);
}

int TComboBox::ItemIndex() const {
  if (FStyle != csDropDownList) {
    // An edited text selects the item it equals, as the library reports it.
    int i = FCombo->currentIndex();
    if (i >= 0 && FCombo->itemText(i) == FCombo->currentText()) return i;
    return FItems.IndexOf(FCombo->currentText()) >= 0 && FCombo->currentIndex() >= 0 ? FCombo->currentIndex() : -1;
  }
  return FCombo->currentIndex();
}

void TComboBox::SetItemIndex(int v) {
  if (v < -1 || v >= FCombo->count()) v = -1;
  FUpdating = true;
  FCombo->blockSignals(true);
  FCombo->setCurrentIndex(v);
  if (v < 0 && FCombo->isEditable()) FCombo->setEditText(QString());
  FCombo->blockSignals(false);
  FUpdating = false;
  FText = FCombo->currentText();
}

void TComboBox::SetStyle(TComboBoxStyle v) {
  FStyle = v;
  FUpdating = true;
  FCombo->blockSignals(true);
  FCombo->setEditable(v != csDropDownList && v != csOwnerDrawFixed && v != csOwnerDrawVariable);
  if (FCombo->lineEdit()) {
    FCombo->lineEdit()->setMaxLength(FMaxLength == 0 ? 32767 : FMaxLength);
    QObject::connect(
        FCombo->lineEdit(), &QLineEdit::textEdited, FCombo,
        [this](const QString&) {
          if (FCombo->lineEdit()) FCombo->lineEdit()->setModified(true);
        },
        Qt::UniqueConnection);
  }
  FCombo->blockSignals(false);
  FUpdating = false;
}

int TComboBox::DropDownCount() const { return FCombo->maxVisibleItems(); }
void TComboBox::SetDropDownCount(int v) { FCombo->setMaxVisibleItems(std::max(1, v)); }

void TComboBox::SetMaxLength(int v) {
  FMaxLength = std::max(0, v);
  if (FCombo->lineEdit()) FCombo->lineEdit()->setMaxLength(FMaxLength == 0 ? 32767 : FMaxLength);
}

bool TComboBox::DroppedDown() const { return FCombo->view() && FCombo->view()->isVisible(); }

void TComboBox::SetDroppedDown(bool v) {
  if (v)
    FCombo->showPopup();
  else
    FCombo->hidePopup();
}

void TComboBox::SetDroppedWidth(int v) {
  FDroppedWidth = std::max(0, v);
  FCombo->view()->setMinimumWidth(FDroppedWidth);
}

int TComboBox::EditCharFromPos(const TPoint& P) const {
  QLineEdit* edit = FCombo->lineEdit();
  return edit ? edit->cursorPositionAt(edit->mapFrom(FCombo, QPoint(P.X, P.Y))) : 0;
}

int TComboBox::SelStart() const {
  const QLineEdit* edit = FCombo->lineEdit();
  if (!edit) return 0;
  return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void TComboBox::SetSelStart(int v) {
  if (QLineEdit* edit = FCombo->lineEdit()) edit->setCursorPosition(std::clamp(v, 0, int(edit->text().length())));
}

int TComboBox::SelLength() const {
  const QLineEdit* edit = FCombo->lineEdit();
  return edit ? int(edit->selectedText().length()) : 0;
}

void TComboBox::SetSelLength(int v) {
  QLineEdit* edit = FCombo->lineEdit();
  if (!edit) return;
  const int start = SelStart();
  edit->setSelection(start, std::max(0, v));
}

void TComboBox::DefaultHandler(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    const unsigned code = unsigned(HiWord(LPARAM(m.WParam)) & 0xFFFF);
    if (code == CBN_DROPDOWN && OnDropDown) OnDropDown(this);
    if (code == CBN_CLOSEUP && OnCloseUp) OnCloseUp(this);
    return;
  }
  TWinControl::DefaultHandler(m);
}

QString TComboBox::GetText() const { return FCombo->currentText(); }

void TComboBox::ApplyText() {
  FUpdating = true;
  FCombo->blockSignals(true);
  if (FCombo->isEditable()) {
    int i = FCombo->findText(FText, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    FCombo->setCurrentIndex(i);
    FCombo->setEditText(FText);
  } else {
    // A list combo shows only texts of its list.
    int i = FCombo->findText(FText, Qt::MatchFixedString);
    FCombo->setCurrentIndex(i);
  }
  FCombo->blockSignals(false);
  FUpdating = false;
  FText = FCombo->currentText();
}

// ---- TCheckBox ----

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner, new QCheckBox()) {
  FCheck = static_cast<QCheckBox*>(Widget());
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
  QObject::connect(FCheck, &QCheckBox::stateChanged, [this](int) {
    if (FSettingState) return;
    SafeCall([this] { Click(); });
  });
}

bool TCheckBox::Checked() const { return FCheck->checkState() == Qt::Checked; }

void TCheckBox::SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }

TCheckBoxState TCheckBox::State() const {
  switch (FCheck->checkState()) {
    case Qt::Checked: return cbChecked;
    case Qt::PartiallyChecked: return cbGrayed;
    default: return cbUnchecked;
  }
}

void TCheckBox::SetState(TCheckBoxState v) {
  if (v == State()) return;
  FSettingState = true;
  FCheck->setTristate(AllowGrayed || v == cbGrayed);
  FCheck->setCheckState(v == cbChecked ? Qt::Checked : v == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
  FSettingState = false;
  Click();
}

void TCheckBox::ApplyText() { FCheck->setText(FText); }

// ---- TRadioButton ----

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner, new QRadioButton()) {
  FRadio = static_cast<QRadioButton*>(Widget());
  SetTabStop(true);
  SetBounds(0, 0, 113, 17);
  QObject::connect(FRadio, &QRadioButton::toggled, [this](bool on) {
    if (on) SafeCall([this] { Click(); });
  });
}

bool TRadioButton::Checked() const { return FRadio->isChecked(); }
void TRadioButton::SetChecked(bool v) { FRadio->setChecked(v); }
void TRadioButton::ApplyText() { FRadio->setText(FText); }

// ---- TListBox ----

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner, new QListWidget()) {
  FList = static_cast<QListWidget*>(Widget());
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
  FItems.OnChange = [this](TObject*) { RebuildItems(); };
  QObject::connect(FList, &QListWidget::itemClicked, [this](QListWidgetItem*) {
    if (!FUpdating) SafeCall([this] { Click(); });
  });
  QObject::connect(FList, &QListWidget::currentRowChanged, [this](int) {
    // Keyboard moves select too; a click is reported once by itemClicked.
    if (FUpdating || QApplication::mouseButtons() != Qt::NoButton) return;
    SafeCall([this] { Click(); });
  });
}

void TListBox::RebuildItems() {
  FUpdating = true;
  FList->clear();
  FList->addItems(FItems.ToQStringList());
  FList->setCurrentRow(-1);
  FUpdating = false;
}

int TListBox::ItemIndex() const { return FList->currentRow(); }

void TListBox::SetItemIndex(int v) {
  if (v < -1 || v >= FList->count()) v = -1;
  FUpdating = true;
  FList->setCurrentRow(v);
  if (!FMultiSelect) {
    FList->clearSelection();
    if (v >= 0) FList->item(v)->setSelected(true);
  }
  FUpdating = false;
}

void TListBox::SetMultiSelect(bool v) {
  FMultiSelect = v;
  FList->setSelectionMode(v ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

bool TListBox::Selected(int index) const {
  if (index < 0 || index >= FList->count()) throw EListError(QString("List index out of bounds (%1)").arg(index));
  return FList->item(index)->isSelected();
}

void TListBox::SetSelected(int index, bool v) {
  if (index < 0 || index >= FList->count()) throw EListError(QString("List index out of bounds (%1)").arg(index));
  FUpdating = true;
  FList->item(index)->setSelected(v);
  FUpdating = false;
}

int TListBox::SelCount() const { return FMultiSelect ? int(FList->selectedItems().size()) : -1; }

int TListBox::ItemHeight() const {
  return FList->count() > 0 ? FList->sizeHintForRow(0) : QFontMetrics(ToQFont(Font())).height() + 2;
}

int TListBox::TopIndex() const {
  QListWidgetItem* item = FList->itemAt(2, 2);
  return item ? FList->row(item) : 0;
}

int TListBox::ItemAtPos(const TPoint& p, bool existing) const {
  QListWidgetItem* item = FList->itemAt(p.X, p.Y);
  if (item) return FList->row(item);
  return existing ? -1 : FList->count();
}

// ---- TGroupBox ----

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner, new QGroupBox()) {
  FBox = static_cast<QGroupBox*>(Widget());
  SetBounds(0, 0, 185, 105);
}

void TGroupBox::ApplyText() { FBox->setTitle(FText); }
