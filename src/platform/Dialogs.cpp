#include "platform/Dialogs.h"

#include "platform/Files.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

TModalResult ButtonModalResult(TMsgDlgBtn b) {
  switch (b) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    case mbClose: return mrClose;
    default: return mrNone;
  }
}

namespace {

constexpr TMsgDlgBtn kButtonOrder[] = {mbYes,    mbNo,  mbOK,      mbCancel,   mbAbort, mbRetry,
                                       mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp,  mbClose};

const char* ButtonText(TMsgDlgBtn b) {
  static constexpr const char* texts[] = {"&Yes",    "&No",  "OK",         "Cancel",      "&Abort", "&Retry",
                                          "&Ignore", "&All", "N&o to All", "Yes to &All", "&Help",  "&Close"};
  return texts[b];
}

const char* TypeCaption(TMsgDlgType t) {
  static constexpr const char* captions[] = {"Warning", "Error", "Information", "Confirm", ""};
  return captions[t];
}

class TQtDialogService : public TDialogService {
public:
  TModalResult MessageBox(const TDialogRequest& r) override {
    QMessageBox box(QApplication::activeWindow());
    static constexpr QMessageBox::Icon icons[] = {QMessageBox::Warning, QMessageBox::Critical, QMessageBox::Information,
                                                  QMessageBox::Question, QMessageBox::NoIcon};
    box.setIcon(icons[r.Type]);
    box.setWindowTitle(r.Caption.isEmpty() ? QString(TypeCaption(r.Type)) : r.Caption);
    box.setText(r.Text);
    std::vector<std::pair<QAbstractButton*, TModalResult>> buttons;
    for (TMsgDlgBtn b : kButtonOrder) {
      if (!r.Buttons.Contains(b)) continue;
      QPushButton* pb = box.addButton(QString(ButtonText(b)), QMessageBox::AcceptRole);
      buttons.emplace_back(pb, ButtonModalResult(b));
      if (b == mbCancel || b == mbNo) box.setEscapeButton(pb);
    }
    if (buttons.empty()) buttons.emplace_back(box.addButton("OK", QMessageBox::AcceptRole), mrOk);
    box.setDefaultButton(static_cast<QPushButton*>(buttons.front().first));
    box.exec();
    for (auto& [button, result] : buttons)
      if (box.clickedButton() == button) return result;
    return r.Buttons.Contains(mbCancel) ? mrCancel : mrNone;
  }

  bool FileDialog(const TDialogRequest& r, QString& fileName) override {
    QFileDialog dlg(QApplication::activeWindow(), r.Caption, r.InitialDir, QtFilterFromLibraryFilter(r.Filter));
    dlg.setOption(QFileDialog::DontUseNativeDialog, false);
    switch (r.Kind) {
      case TDialogKind::SaveFile:
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        if (!r.OverwritePrompt) dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
        break;
      case TDialogKind::SelectFolder: dlg.setFileMode(QFileDialog::Directory); break;
      default: dlg.setFileMode(r.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile); break;
    }
    QString ext = r.DefaultExt;
    ext.remove("*").remove(".");
    if (!ext.isEmpty()) dlg.setDefaultSuffix(ext);
    if (!r.FileName.isEmpty()) dlg.selectFile(r.FileName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    fileName = dlg.selectedFiles().front();
    return true;
  }
};

std::unique_ptr<TDialogService>& ServiceInstance() {
  static std::unique_ptr<TDialogService> service = std::make_unique<TQtDialogService>();
  return service;
}

}  // namespace

TDialogService& DialogService() { return *ServiceInstance(); }

std::unique_ptr<TDialogService> SetDialogService(std::unique_ptr<TDialogService> service) {
  std::unique_ptr<TDialogService> previous = std::move(ServiceInstance());
  ServiceInstance() = service ? std::move(service) : std::make_unique<TQtDialogService>();
  return previous;
}

TModalResult TScriptedDialogService::MessageBox(const TDialogRequest& request) {
  FRecords.push_back(request);
  if (!FAnswers.empty()) {
    Scripted s = FAnswers.front();
    FAnswers.pop_front();
    return s.Result;
  }
  if (request.Buttons.Contains(mbOK) || request.Buttons.bits == 0) return mrOk;
  for (TMsgDlgBtn b : kButtonOrder)
    if (request.Buttons.Contains(b)) return ButtonModalResult(b);
  return mrOk;
}

bool TScriptedDialogService::FileDialog(const TDialogRequest& request, QString& fileName) {
  FRecords.push_back(request);
  if (FAnswers.empty()) return false;
  Scripted s = FAnswers.front();
  FAnswers.pop_front();
  if (!s.Accept) return false;
  fileName = s.FileName;
  return true;
}

TScriptedDialogScope::TScriptedDialogScope() {
  auto service = std::make_unique<TScriptedDialogService>();
  FService = service.get();
  FPrevious = SetDialogService(std::move(service));
}

TScriptedDialogScope::~TScriptedDialogScope() { SetDialogService(std::move(FPrevious)); }

TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int) {
  TDialogRequest r;
  r.Kind = TDialogKind::Message;
  r.Type = DlgType;
  r.Text = Msg;
  r.Buttons = Buttons;
  return DialogService().MessageBox(r);
}

void ShowMessage(const QString& Msg) { MessageDlg(Msg, mtCustom, {mbOK}); }

int MessageBox(const QString& Text, const QString& Caption, uint32_t Flags) {
  TDialogRequest r;
  r.Kind = TDialogKind::Message;
  r.Text = Text;
  r.Caption = Caption;
  switch (Flags & 0xF0) {
    case MB_ICONERROR: r.Type = mtError; break;
    case MB_ICONQUESTION: r.Type = mtConfirmation; break;
    case MB_ICONWARNING: r.Type = mtWarning; break;
    case MB_ICONINFORMATION: r.Type = mtInformation; break;
    default: r.Type = mtCustom; break;
  }
  switch (Flags & 0x0F) {
    case MB_OKCANCEL: r.Buttons = mbOKCancel; break;
    case MB_ABORTRETRYIGNORE: r.Buttons = {mbAbort, mbRetry, mbIgnore}; break;
    case MB_YESNOCANCEL: r.Buttons = mbYesNoCancel; break;
    case MB_YESNO: r.Buttons = mbYesNo; break;
    case MB_RETRYCANCEL: r.Buttons = {mbRetry, mbCancel}; break;
    default: r.Buttons = {mbOK}; break;
  }
  return DialogService().MessageBox(r);
}

bool TOpenDialog::Execute() {
  TDialogRequest r;
  r.Kind = Kind();
  r.Caption = Title;
  r.Filter = Filter;
  r.FilterIndex = FilterIndex;
  r.InitialDir = InitialDir;
  r.FileName = FileName;
  r.DefaultExt = DefaultExt;
  r.OverwritePrompt = Options & ofOverwritePrompt;
  r.FileMustExist = Options & ofFileMustExist;
  QString chosen;
  if (!DialogService().FileDialog(r, chosen)) return false;
  FileName = chosen;
  return true;
}

QString QtFilterFromLibraryFilter(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    out << QString("%1 (%2)").arg(parts[i], patterns.trimmed().isEmpty() ? "*" : patterns.trimmed());
  }
  if (parts.size() % 2 == 1 && !parts.last().isEmpty() && parts.size() == 1) out << parts.last();
  return out.join(";;");
}
