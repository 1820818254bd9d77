// Saves a picture of a shown window (scripts/run and the tests look at the windows).
#pragma once

#include <QString>

class QWidget;

bool SaveWidgetScreenshot(QWidget* widget, const QString& path);
// When QUILLORE_SCREENSHOT names a file, saves the main window there after
// QUILLORE_SCREENSHOT_DELAY_MS and ends the program.
void ScheduleStartupScreenshot(QWidget* window);
