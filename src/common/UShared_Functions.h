// Helpers the editors share to take IPv4 addresses, endpoints and decimal
// numbers apart, to list the serial ports and to name the model's protocol sides.
// Mind the sense of each Boolean result: it differs between the address functions.
#pragma once

#include "platform/Classes.h"

#include <QChar>
#include <QString>

#include <cstdint>
#include <memory>

// True when `text` is a dotted address of four octets 0..255. The outputs hold
// the trimmed octet texts as far as the split got, whatever the result.
bool SplitIpAddress(const QString& text, QString& octet1, QString& octet2, QString& octet3, QString& octet4);

// An error flag: true when `text` is NOT a valid address. Nothing is written
// for an empty text; otherwise every output is written, 0 for an invalid octet.
bool ParseIpAddressBytes(const QString& text, uint8_t& octet1, uint8_t& octet2, uint8_t& octet3, uint8_t& octet4);

// True when `text` is a.b.c.d:port; on false every output is 0.
bool ParseIpEndpoint(const QString& text, uint8_t& octet1, uint8_t& octet2, uint8_t& octet3, uint8_t& octet4,
                     uint16_t& port);

// The serial ports found, in ascending order; on this system each is named by
// its device path (such as /dev/ttyUSB0). The list is never null.
std::unique_ptr<TStringList> ListSerialPorts();

// The names of the model's protocol sides; the result is how many are named.
int GetModelProtocolNames(QString& side1, QString& side2);

// The user's decimal separator, "," or "."; any other setting gives ",".
QChar GetDecimalSeparator();

// Converts `text` to single precision, taking "," and "." alike as the decimal
// separator `separator`. On failure `value` becomes 1.0 and the result is false.
bool TextToFloat(const QString& text, QChar separator, float& value);
