// The application object: creates the forms in their order, runs the event
// loop and catches every exception at the event boundary, showing its message
// in an error dialog so the program goes on.
#pragma once

#include "platform/Classes.h"

#include <QApplication>

#include <exception>
#include <functional>
#include <vector>

class TForm;

class TApplication : public TComponent {
public:
  TApplication();
  ~TApplication() override;

  // Creates a form owned by the application; the first one becomes the main form.
  template <class T>
  void CreateForm(T*& ref) {
    ref = new T(this);
    RegisterForm(ref);
  }
  TForm* MainForm() const { return FMainForm; }
  int FormCount() const { return int(FForms.size()); }
  TForm* Forms(int index) const { return FForms.at(size_t(index)); }
  QString Title;
  bool MainFormOnTaskBar = true;

  // Shows the main form and runs the event loop until it closes.
  int Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  void ProcessMessages();
  // Shows the exception's message in an error dialog.
  void HandleException(const std::exception* e);
  std::function<void(const QString& message)> OnException;

private:
  void RegisterForm(TForm* form);
  std::vector<TForm*> FForms;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
};

// The one application object (created on first use; needs a QApplication).
TApplication* Application();
// Frees the application object and its forms (tests).
void DestroyApplication();

// Runs `f`, turning any exception into the application's error dialog.
void SafeCall(const std::function<void()>& f);

// A QApplication that keeps exceptions from leaving Qt's event delivery and
// shows the faces the forms name in their installed substitutes.
class TQtApplication : public QApplication {
public:
  TQtApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
