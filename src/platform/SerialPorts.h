// Discovery of the serial ports present: the tty devices of the on-board,
// USB-serial and USB modem drivers that can be opened now.
#pragma once

#include <QString>
#include <QStringList>

// Paths of the serial devices in `devFolder` named ttyS<n>, ttyUSB<n> or
// ttyACM<n> that open for reading and writing, or that another program holds.
// Ordered by kind (ttyS, ttyUSB, ttyACM), then by number; empty when none.
QStringList FindSerialPorts(const QString& devFolder = QStringLiteral("/dev"));

// True when an open that failed with this errno still shows a port is there
// (held by another program or not ours to use), so it belongs in the list.
bool SerialOpenErrorMeansPresent(int err);
