// The records one build of the configuration images collects before it writes
// them: the LoRaWAN settings of ParGen.xml, the bank-2 header and its device
// and rule records, with the text conversions that fill them.
#pragma once

#include "common/ShellState.h"

#include "lorawan/ImageWriter.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

enum TRFBand : int { rfEU868 = 0, rfUS915 = 1, rfKR920 = 2, rfAS923 = 3 };

// Network server host used when ParGen.xml names none (and always for an end node).

// The LoRaWAN settings read from ParGen.xml. A fresh record is what a project
// without ParGen.xml gets: a gateway with every other value empty or 0.
struct TLoRaWAN_ParGen {
  bool ModeMaster = true;
  int RF_Band = rfEU868;
  QString Server_Add;
  QString Server_Port_Up;
  QString Server_Port_Down;
  QString KA_Interval;
  QString NetworkType;
  std::array<uint8_t, 8> JoinEUI{};
  uint8_t Activation_method = 0;
  std::array<uint8_t, 16> DevNAME{};
  std::array<uint8_t, 4> Dev_Address{};
  std::array<uint8_t, 16> NwkSKey{};
  std::array<uint8_t, 16> AppSKey{};
  std::array<uint8_t, 16> AppKey{};
  uint8_t LoRaWAN_Class = 0;
};

// Bits of TLoRaWAN_Device::options.
constexpr uint32_t DeviceOptClassC = 2;
constexpr uint32_t DeviceOptAlways = 32;
constexpr uint32_t DeviceOptOverTheAir = 256;
// Bits of TLoRaWAN_Rule::options.
constexpr uint16_t RuleOptOnChange = 1;
constexpr uint16_t RuleOptOnCommand = 2;
constexpr uint16_t RuleOptOnTimer = 4;
constexpr uint16_t RuleOptDownLink = 8;
// Values of TLoRaWAN_Infos::opzioni_funzionamento.
constexpr uint32_t GatewayOperatingOptions = 4369;
constexpr uint32_t EndNodeOperatingOptions = 8448;

struct TLoRaWAN_Device {
  static constexpr int RecordSize = 96;
  std::array<uint8_t, 8> DevEUI{};
  std::array<uint8_t, 8> JoinEUI{};
  std::array<uint8_t, 16> DevNAME{};
  std::array<uint8_t, 16> NwkSKey{};
  std::array<uint8_t, 16> AppSKey{};
  std::array<uint8_t, 16> AppKey{};
  std::array<uint8_t, 4> DevADDR{};
  uint32_t options = 0;
  uint32_t timeout = 0;
  uint8_t DL_settings = 0;

  void WriteTo(TImageWriter& w) const;
};

struct TLoRaWAN_Rule {
  static constexpr int RecordSize = 24;
  uint16_t num_device = 0;
  uint16_t port = 0;
  uint16_t start_test = 0;
  uint16_t len_test = 0;
  uint32_t data_test_add = 0;
  QByteArray data_test;  // written after all rule records, not inside this one
  uint32_t time_poll = 0;
  uint16_t byte_offset_frame = 0;
  uint16_t byte_offset_memory = 0;
  uint16_t num_bytes = 0;
  uint16_t options = 0;

  void WriteTo(TImageWriter& w) const;
};

// The bank-2 header with the device and rule records it owns.
struct TLoRaWAN_Infos {
  static constexpr int HeaderSize = 36;
  uint32_t Num_Devices = 0;
  uint32_t Num_Rules = 0;
  uint32_t Address_DevList = 0;
  uint32_t Address_RuleList = 0;
  uint32_t Address_ConfFile = 0;
  uint32_t opzioni_funzionamento = 0;
  uint8_t RF_Band = 0;
  uint8_t DataRate = 0;
  uint8_t Adaptive_DataRate = 0;
  uint8_t Transmission_Type = 0;
  uint32_t position_diagnostic = 0;
  uint8_t Freq_SubBand = 0;
  std::vector<TLoRaWAN_Device> Devices_List;
  std::vector<TLoRaWAN_Rule> Rules_List;

  void WriteHeaderTo(TImageWriter& w) const;
};

// Hexadecimal text to a field. The text is trimmed and left-padded with "0" to
// two digits per byte; each pair of digits gives one byte (0 when the pair is
// no hexadecimal number). Reversed puts the first pair into the last byte, so
// an EUI or address typed most significant first is held least significant
// first. False, with the field untouched, when the text has more digits than
// the field has room for.
enum class THexOrder { TextOrder, Reversed };
bool HexTextToField(const QString& text, uint8_t* field, int size, THexOrder order);
template <size_t N>
bool HexTextToField(const QString& text, std::array<uint8_t, N>& field, THexOrder order) {
  return HexTextToField(text, field.data(), int(N), order);
}

// The bytes an uplink test value compares: hexadecimal digits (trimmed, an odd
// count with a "0" in front) two per byte, or one byte per character.
QByteArray TestValueBytes(const QString& text, bool hex);

// True for the over-the-air activation method text, whatever its case and blanks.
bool IsOverTheAirActivation(const QString& method);

// The LoRaWAN data-rate index of an RX2 data-rate text in the given band, or
// the fallback when the band has no such data rate.
uint8_t RX2_DataRate_Index(const QString& text, int rfBand, uint8_t fallback);
