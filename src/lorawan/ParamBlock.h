// The 2048-byte parameter block of bank 1: every byte's default, the values of
// ParGen.xml placed at their offsets, the bank-2 load address and the checksum.
#pragma once

#include "lorawan/LoRaWANRecords.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

class TParGenKeys;
class TXmlDocument;

class TParamBlock {
public:
  static constexpr int Size = 2048;
  static constexpr int Bank2AddressOffset = 1652;
  static constexpr int ChecksumOffset = 2044;

  // Writes the default of all 2048 bytes, so nothing of an earlier build remains.
  void Init_Param_Block();
  // Reads ParGen.xml, when it exists, into the block, the LoRaWAN record and
  // the header fields it decides (band, data rates, options, diagnostic
  // position, sub-band). Raises EImageBuildError for a file that cannot be
  // read or a hexadecimal value too long for its field.
  void Load_ParGen_Block(TXmlDocument& xml, const QString& parGenFile, TLoRaWAN_ParGen& parGen, TLoRaWAN_Infos& infos);
  void SetBank2Address(uint32_t address);
  // Stores the checksum, then copies the block into the image from `position`;
  // returns the position after it.
  int Write_Bank1(int position, QByteArray& image);

  const std::array<uint8_t, Size>& Bytes() const { return FBytes; }

private:
  void PutU8(int offset, uint32_t v) { PutLE(&FBytes[size_t(offset)], v, 1); }
  void PutU16(int offset, uint32_t v) { PutLE(&FBytes[size_t(offset)], v, 2); }
  void PutU32(int offset, uint32_t v) { PutLE(&FBytes[size_t(offset)], v, 4); }
  void PutText(int offset, int size, const QString& text) { PutTextField(&FBytes[size_t(offset)], size, text); }
  void PutAddress(int offset, const std::array<int, 4>& octets);
  void LoadEthernetConnection(const TParGenKeys& keys);
  void LoadModbusTcpSlave(const TParGenKeys& keys);
  void LoadWiFi(const TParGenKeys& keys);
  void LoadWiFiAccessPoint(const TParGenKeys& keys);

  std::array<uint8_t, Size> FBytes{};
};
