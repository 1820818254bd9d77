// The system clipboard's text, as the edit controls use it.
#pragma once

#include <QString>

bool ClipboardHasText();
QString ClipboardText();
void SetClipboardText(const QString& Text);
