#include "lorawan/DeviceLoRa.h"

#include "platform/SysUtils.h"

void TDeviceLoRa::Clear_Rules_List() { *this = TDeviceLoRa(); }

bool TDeviceLoRa::IsFree() const { return Trim(DeviceEUI).isEmpty(); }
