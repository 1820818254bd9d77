// The LoRaWAN editor's validation of its device list before OK saves it: the
// identifiers, keys, address and time-out of every used device slot, then its
// enabled uplink and downlink rules. The first failure is the only one reported.
#pragma once

#include "lorawan/DeviceLoRa.h"

#include <QString>

#include <span>

// 0 when `text`, trimmed and upper-cased, is `length` hexadecimal digits;
// 1 when its length differs; 2 when a character is no hexadecimal digit.
int CheckStringHex(const QString& text, qint64 length);

// The message of the first failure in `devices`, empty when all pass. Every
// device with a Device EUI is checked, enabled or not; of the rules only the
// enabled ones. An end node's one device is described in ParGen.xml, so only
// the rules of device 0 are checked then.
QString DeviceListError(std::span<const TDeviceLoRa> devices, bool modeMaster);

// DeviceListError, shown in an error dialog when there is one; true when all pass.
bool Check_Data(std::span<const TDeviceLoRa> devices, bool modeMaster);
