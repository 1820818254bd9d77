// The application object: creates the forms in their order, runs the event
// loop and catches every exception at the event boundary, showing its message
// in an error dialog so the program goes on.
#pragma once

#include "platform/Classes.h"

#include <exception>
#include <functional>
#include <memory>
#include <vector>

class TForm;
class TQtApplication;

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

// The toolkit started for the program's whole run: exceptions never leave its
// event delivery, and the faces the forms name show in installed substitutes.
// The program makes one in main before anything else.
class TApplicationHost {
public:
  TApplicationHost(int& argc, char** argv);
  ~TApplicationHost();
  TApplicationHost(const TApplicationHost&) = delete;
  TApplicationHost& operator=(const TApplicationHost&) = delete;

private:
  std::unique_ptr<TQtApplication> FApp;
};
