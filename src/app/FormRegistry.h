// Every form of the program, listed once: how it is created, whether it is
// translated with the others, and which main-window button shows it. Start-up
// and the main window reach the forms only through this table, so no form
// needs to know the main window and the main window needs no form's header.
#pragma once

#include <span>

class TApplication;
class TFQuilloreFirmWare;
class TLbButton;

struct TFormEntry {
  // Creates the form into its global through the application object.
  void (*Create)(TApplication& App);
  // Puts the form's texts again; null for a form whose texts are fixed or
  // that translates itself (the main window).
  void (*SetLang)();
  // The main-window button that shows the form modally; null when none does.
  TLbButton* TFQuilloreFirmWare::*Button;
  // The button refuses to show the form while no project is open.
  bool NeedsProject;
  // Shows the form modally.
  void (*ShowModal)();
};

// The forms in their creation order; the main window comes first.
std::span<const TFormEntry> FormRegistry();
