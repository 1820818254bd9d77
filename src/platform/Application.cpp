#include "platform/Application.h"

#include "platform/Dialogs.h"
#include "platform/FontSubstitutes.h"
#include "platform/Forms.h"
#include "platform/HintWindow.h"
#include "platform/SysUtils.h"
#include "platform/internal/QtApplication.h"

#include <QEventLoop>

#include <memory>

namespace {
std::unique_ptr<TApplication>& ApplicationInstance() {
  static std::unique_ptr<TApplication> app;
  return app;
}
}  // namespace

TApplication* Application() {
  auto& app = ApplicationInstance();
  if (!app) app = std::make_unique<TApplication>();
  return app.get();
}

void DestroyApplication() { ApplicationInstance().reset(); }

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
  AppHints().Reset();
  FMainForm = nullptr;
  FForms.clear();
  DestroyComponents();
}

void TApplication::RegisterForm(TForm* form) {
  FForms.push_back(form);
  if (!FMainForm) FMainForm = form;
  form->DoCreate();
}

int TApplication::Run() {
  if (!FMainForm) return 0;
  FTerminated = false;
  FMainForm->Show();
  int rc = QApplication::exec();
  FTerminated = true;
  return rc;
}

void TApplication::Terminate() {
  FTerminated = true;
  QCoreApplication::quit();
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TApplication::HandleException(const std::exception* e) {
  QString message;
  if (auto* ex = dynamic_cast<const Exception*>(e))
    message = ex->Message();
  else if (e)
    message = QString::fromLocal8Bit(e->what());
  else
    message = "Unknown error";
  if (OnException) {
    OnException(message);
    return;
  }
  try {
    MessageDlg(message, mtError, {mbOK});
  } catch (...) {
    // The error dialog itself failed; nothing more can be shown.
  }
}

void SafeCall(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    Application()->HandleException(&e);
  } catch (...) {
    Application()->HandleException(nullptr);
  }
}

TQtApplication::TQtApplication(int& argc, char** argv) : QApplication(argc, argv) { SubstituteFormFonts(); }

TApplicationHost::TApplicationHost(int& argc, char** argv) : FApp(std::make_unique<TQtApplication>(argc, argv)) {}

TApplicationHost::~TApplicationHost() = default;

bool TQtApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    Application()->HandleException(&e);
  } catch (...) {
    Application()->HandleException(nullptr);
  }
  return false;
}
