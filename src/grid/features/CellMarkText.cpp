#include "grid/features/CellMarkText.h"

#include <QRegularExpression>

QString UnMarkText(const QString& S) {
  static const QRegularExpression tags(QStringLiteral("</?e>"), QRegularExpression::CaseInsensitiveOption);
  QString text = S;
  text.remove(tags);
  text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  return text;
}
