// The QApplication behind TApplicationHost. Private to the platform.
#pragma once

#include <QApplication>

// Keeps exceptions from leaving Qt's event delivery and shows the faces the
// forms name in their installed substitutes.
class TQtApplication : public QApplication {
public:
  TQtApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
