// The LoRa concentrator's configuration text that ends bank 2: the packet
// forwarder's settings for the project's radio band, with the network server
// values of ParGen.xml put in.
#pragma once

#include "lorawan/LoRaWANRecords.h"

#include <cstdint>

class TStringList;

// Empties `lines` and fills it for the band of `parGen` (US915 takes its radio
// frequencies from `freqSubBand`); a band outside EU868..AS923 leaves it empty.
void Build_Concentrator_Conf(const TLoRaWAN_ParGen& parGen, uint8_t freqSubBand, TStringList& lines);
