// Every message box, confirmation, open and save dialog goes through one
// dialog service. The program uses Qt's dialogs; tests install a scripted
// service that answers from a queue and records what was asked.
#pragma once

#include "platform/Classes.h"
#include "platform/Types.h"

#include <QString>

#include <deque>
#include <memory>
#include <vector>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp,
  mbClose
};

using TMsgDlgButtons = TSet<TMsgDlgBtn>;
constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
// The modal result a button gives.
TModalResult ButtonModalResult(TMsgDlgBtn b);

enum class TDialogKind { Message, OpenFile, SaveFile, SelectFolder };

// What was asked of the user.
struct TDialogRequest {
  TDialogKind Kind = TDialogKind::Message;
  TMsgDlgType Type = mtInformation;
  QString Text;
  QString Caption;
  TMsgDlgButtons Buttons;
  // File dialogs.
  QString Filter;  // "Description|*.ext|..."
  int FilterIndex = 1;
  QString InitialDir;
  QString FileName;
  QString DefaultExt;
  bool OverwritePrompt = false;
  bool FileMustExist = false;
};

class TDialogService {
public:
  virtual ~TDialogService() = default;
  // Returns the modal result of the button chosen.
  virtual TModalResult MessageBox(const TDialogRequest& request) = 0;
  // True with `fileName` set when the user chose a file or folder.
  virtual bool FileDialog(const TDialogRequest& request, QString& fileName) = 0;
};

TDialogService& DialogService();
// Replaces the service; returns the previous one (tests put it back).
std::unique_ptr<TDialogService> SetDialogService(std::unique_ptr<TDialogService> service);

// Answers from a queue and records every request. An unscripted message gets
// mrOk when it has an OK button and otherwise its first button; an unscripted
// file dialog is cancelled.
class TScriptedDialogService : public TDialogService {
public:
  TModalResult MessageBox(const TDialogRequest& request) override;
  bool FileDialog(const TDialogRequest& request, QString& fileName) override;
  void Answer(TModalResult result) { FAnswers.push_back({result, QString(), true}); }
  void AnswerFile(const QString& fileName) { FAnswers.push_back({mrOk, fileName, true}); }
  void CancelFile() { FAnswers.push_back({mrCancel, QString(), false}); }
  const std::vector<TDialogRequest>& Records() const { return FRecords; }
  void ClearRecords() { FRecords.clear(); }
  int PendingAnswers() const { return int(FAnswers.size()); }

private:
  struct Scripted {
    TModalResult Result;
    QString FileName;
    bool Accept;
  };
  std::deque<Scripted> FAnswers;
  std::vector<TDialogRequest> FRecords;
};

// Installs a scripted service for the lifetime of the object.
class TScriptedDialogScope {
public:
  TScriptedDialogScope();
  ~TScriptedDialogScope();
  TScriptedDialogService& Service() { return *FService; }
  TScriptedDialogService* operator->() { return FService; }

private:
  TScriptedDialogService* FService;
  std::unique_ptr<TDialogService> FPrevious;
};

TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
void ShowMessage(const QString& Msg);

// Windows MessageBox flags and results (results equal the modal results).
constexpr uint32_t MB_OK = 0x00, MB_OKCANCEL = 0x01, MB_ABORTRETRYIGNORE = 0x02, MB_YESNOCANCEL = 0x03, MB_YESNO = 0x04,
                   MB_RETRYCANCEL = 0x05, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30,
                   MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;
int MessageBox(const QString& Text, const QString& Caption, uint32_t Flags);

enum TOpenOption { ofOverwritePrompt = 1, ofFileMustExist = 2, ofPathMustExist = 4, ofHideReadOnly = 8 };

class TOpenDialog : public TComponent {
public:
  explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}
  QString FileName;
  QString Filter;
  int FilterIndex = 1;
  QString DefaultExt;
  QString InitialDir;
  QString Title;
  int Options = ofHideReadOnly;
  virtual bool Execute();

protected:
  virtual TDialogKind Kind() const { return TDialogKind::OpenFile; }
};

class TSaveDialog : public TOpenDialog {
public:
  using TOpenDialog::TOpenDialog;

protected:
  TDialogKind Kind() const override { return TDialogKind::SaveFile; }
};

// The library's "Desc|*.a;*.b|Desc2|*.c" filter as Qt's "Desc (*.a *.b);;Desc2 (*.c)".
QString QtFilterFromLibraryFilter(const QString& filter);
