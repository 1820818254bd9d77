// A started program for the shell's tests: a temporary program folder, a
// scripted dialog service, a recorder of opened web addresses, and the 42
// forms created as at start. Everything is undone when the object goes.
#pragma once

#include "app/UQuilloreFirmWare.h"
#include "app/UStartup.h"
#include "common/ShellState.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Forms.h"
#include "platform/Network.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <vector>

class TShellTestProgram {
public:
  TShellTestProgram() {
    SetProgramFolderOverride(FFolder.path());
    ResetShellState();
    SetOpenUrlHandler([this](const QString& url) {
      OpenedUrls.push_back(url);
      return true;
    });
  }
  ~TShellTestProgram() {
    DestroyApplication();
    ResetShellState();
    SetOpenUrlHandler({});
    SetProgramFolderOverride(QString());
  }

  QString Folder() const { return FFolder.path(); }
  QString SettingsPath() const { return Folder() + "/Quillor.xml"; }
  QString ProjectsPath() const { return Folder() + "/PROJECTS"; }

  void WriteSettings(const QByteArray& content) const { WriteFileAtomic(SettingsPath(), content); }
  void MakeProject(const QString& name) const { QDir().mkpath(ProjectsPath() + "/" + name + "/bin"); }
  QString ReadSettings() const {
    QByteArray bytes;
    ReadFileBytes(SettingsPath(), bytes);
    return QString::fromUtf8(bytes);
  }

  // Creates the forms in their order, as the program entry does.
  TFQuilloreFirmWare& Start() {
    CreateForms();
    return *FQuilloreFirmWare;
  }

  // Runs `action`, which is expected to show `form` modally; `whileShown`
  // runs inside the modal loop, then the form is closed with `result` unless
  // `whileShown` closed it already. True when the form was shown.
  static bool ExpectModal(TForm* form, const std::function<void()>& action,
                          const std::function<void()>& whileShown = {}, TModalResult result = mrOk) {
    bool shown = false;
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (shown || !form->Modal()) return;
      shown = true;
      watch.stop();
      if (whileShown) whileShown();
      if (form->Modal() && form->ModalResult() == mrNone) form->SetModalResult(result);
    });
    watch.start();
    action();
    return shown;
  }

  TScriptedDialogScope Dialogs;
  std::vector<QString> OpenedUrls;

private:
  QTemporaryDir FFolder;
};
