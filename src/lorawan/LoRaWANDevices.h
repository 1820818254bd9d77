// The LoRaWAN gateway editor's model: its 1000 device slots with their rules,
// the gateway or end-node mode and the RX2 choices, read from and written to
// the project's LoRaWAN_Gateway.xml (read also by the image builder).
#pragma once

#include "lorawan/DeviceLoRa.h"
#include "platform/Classes.h"
#include "platform/Xml.h"
#include "platform/XmlWriter.h"

#include <QString>

#include <span>
#include <vector>

constexpr int LoRaWANDeviceCount = 1000;
// The rule grids hold 1024 rules per list.
constexpr int LoRaWANRuleCount = 1024;
inline const QString LoRaWANFileVersion = "1.007";
// Written for the one device of an end node that has no file yet, so that
// saving writes its rules.
inline const QString EndNodePlaceholderEUI = "0001020304050607";

class TLoRaWANDevices {
public:
  TLoRaWANDevices();

  // Device i belongs to row i + 1 of the device table; the slots are never
  // added or removed, only reordered and cleared.
  std::span<TDeviceLoRa> DeviceList() { return FDevices; }
  std::span<const TDeviceLoRa> DeviceList() const { return FDevices; }

  // Every slot back to a free one.
  void Clear_Devices();
  // Gateway (true) or end node (false), from LoRaWAN_Mode of ParGen.xml; any
  // failure to read it means gateway.
  bool Is_a_Master();
  // Fills RX2_SL and the devices from ParGenFile and LoRaWANGatewayFile. A
  // file that stops the load shows an error message; what was read stays.
  // Answers false when the load stopped.
  bool Load_Configuration();
  // Writes the devices up to the first free slot (device 0 only for an end
  // node) to LoRaWANGatewayFile, whole or not at all. A failed write shows an
  // error message and answers false; the old file is kept.
  bool Save_Configuration();
  // What Save_Configuration writes, into `xml`.
  void Write_Document(TXmlWriter& xml) const;

  bool ModeMaster = true;
  TStringList RX2_SL;

private:
  void Fill_RX2_List();
  void Load_Devices();

  std::vector<TDeviceLoRa> FDevices;
  TXmlDocument XML1;
};
