// Messages from LanguageTexts with numbers filled in. A language file may
// translate a message with placeholders that no longer fit its arguments; such
// a text is never formatted, the English default of the id is used instead.
#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>

// True when `text` holds exactly `count` placeholders and each is a plain %d
// ("%%" is a percent sign; a "%" not followed by a conversion is plain text).
bool HasIntegerPlaceholders(const QString& text, int count);

// The text of `id` with its %d placeholders replaced by `args` in order.
QString LangFormat(int id, std::initializer_list<QVariant> args);
