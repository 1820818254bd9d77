// One LoRaWAN end device of the gateway editor: its identifiers, keys and
// settings as typed, and the uplink and downlink rules it owns. An empty
// DeviceEUI marks a free slot of the device list.
#pragma once

#include "lorawan/RuleLoRa.h"

#include <QString>

inline const QString ActivationABP = "Activation by Personalization [ABP]";
inline const QString ActivationOTAA = "Over-the-Air Activation [OTAA]";

class TDeviceLoRa {
public:
  // Back to a free slot: enabled, every text empty, no rules.
  void Clear_Rules_List();
  // A free slot is one whose Device EUI, trimmed, is empty.
  bool IsFree() const;

  bool Enable = true;
  QString DeviceEUI;
  QString JoinEUI;
  QString DeviceName;
  QString ActMethod;
  QString NetSessKey;
  QString AppSessKey;
  QString AppKey;
  QString DevAdd;
  QString ClassLoRa;
  QString DiagTimeOut;
  QString RX2Datarate;
  QString Mnemonic;
  TRuleLoRaList UpLinkRules;
  TRuleLoRaList DownLinkRules;
};
