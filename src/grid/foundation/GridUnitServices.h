// What the grid units' start and end call in the units they start: the
// visual-style tables, the theme notifier, the mini-HTML engine, the
// drag-and-drop formats, the date-time picker's message, OLE and the file
// version of the common controls. Where a unit is not part of the library
// yet, a stand-in keeps its place (GridUnitStandIns.cpp); the unit's own
// definition replaces it.
#pragma once

#include "platform/Types.h"

#include <QString>

void LoadThemeApi();
void UnloadThemeApi();
// The theme notifier singleton starts as none.
void ResetThemeNotifier();
void InitHtmlEngine();
// The drag-and-drop unit: rich-text drops off, its three formats 0 until a
// format enumerator registers them.
void InitDragDropUnit();
// The date-time picker unit registers "DTPShiftFocus" for itself.
void InitDateTimePickerUnit();
void LoadDropDownThemeApi();
void UnloadDropDownThemeApi();
void InitializeGridOle();
void UninitializeGridOle();
// Major version in the high word, minor in the low; -1 without version data.
int GetFileVersionMS(const QString& FileName);
