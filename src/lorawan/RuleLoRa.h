// One uplink or downlink rule of a LoRaWAN end device: which payload bytes map
// onto the gateway's internal data area, and for uplinks the optional test on
// the payload. Values other than the flags are kept exactly as typed, so the
// checks and the file see what the user wrote.
#pragma once

#include <QString>

#include <vector>

class TRuleLoRa {
public:
  bool Enable = true;
  QString Port;
  // Uplink only: the payload test; an empty StartTest means no test.
  QString StartTest;
  QString LenTest;
  bool HexTest = false;
  QString ValueTest;
  // Shown as "Start Byte", "Number Bytes" and "Position Byte".
  QString StartBit;
  QString NumBits;
  // Downlink only: when the mapped bytes are sent.
  bool OnChange = false;
  bool OnCMD = false;
  bool OnTimer = false;
  QString Time;
  QString PosBit;
  QString Mnemonic;
};

// A device's rules in table order; the list owns them by value.
using TRuleLoRaList = std::vector<TRuleLoRa>;
