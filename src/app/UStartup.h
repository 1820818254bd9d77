// The program's forms, created in their fixed order; the main window comes
// first and starts the shell, so every later form finds the texts and state.
#pragma once

// Creates the 42 forms through the application object.
void CreateForms();
