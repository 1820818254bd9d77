// Bank 2: the device and rule records of LoRaWAN_Gateway.xml, the rules' test
// bytes and the concentrator configuration text, with every address inside it
// an absolute device address from the bank's load address.
#pragma once

#include "lorawan/LoRaWANRecords.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

class TStringList;
class TXmlDocument;

constexpr uint32_t Bank2LoadAddress = 0x80000;
constexpr int Bank2AreaSize = 524288;

// Fills the header's counts, records and addresses from LoRaWAN_Gateway.xml
// (none when the file does not exist), then builds the configuration text.
// `parGen` and the header fields of ParGen.xml must be filled first. Raises
// EImageBuildError, with the place, for a file that cannot be read, a missing
// element or attribute, a value that is no number where one is required, or a
// value too large for its field.
void Load_LoRaWAN_Devices(TXmlDocument& xml, const QString& file, uint32_t baseAddress, const TLoRaWAN_ParGen& parGen,
                          TLoRaWAN_Infos& infos, TStringList& confLines);

// Writes the header, the device and rule records, the test bytes and the
// configuration text (each line ended by LF, then one NUL) from `position`;
// returns the position after the last byte.
int Write_Bank2(int position, QByteArray& image, const TLoRaWAN_Infos& infos, const TStringList& confLines);
