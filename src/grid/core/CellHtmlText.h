// The plain text of a cell that may hold mini-HTML: what typed reads parse.
// The mini-HTML engine has the full rules; the grid needs only the tags gone.
#pragma once

#include <QString>

// Every tag removed; <BR> and <HR> become CR LF.
QString StripCellHtml(const QString& Text);

// The VALUE of the CONTROL element with this ID; false when there is none.
bool GetCellControlValue(const QString& Text, const QString& ID, QString& Value);
// Rewrites that element's VALUE; false when there is none.
bool SetCellControlValue(QString& Text, const QString& ID, const QString& Value);
