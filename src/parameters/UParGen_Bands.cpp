// The data rates and RX2 data rates that each LoRaWAN RF band offers.
#include "parameters/UParGen.h"

#include "platform/StdCtrls.h"

#include <QStringView>

#include <span>

namespace {
struct TBandLists {
  const char16_t* Band;
  std::span<const char16_t* const> DataRates;
  std::span<const char16_t* const> Rx2DataRates;
};

// The number before the first "-" is the data-rate index the device takes.
constexpr const char16_t* EU868DataRates[] = {
    u"0 -\tLoRa: SF12/125kHz 250 [bit/s]", u"1 -\tLoRa: SF11/125kHz 440 [bit/s]", u"2 -\tLoRa: SF10/125kHz 980 [bit/s]",
    u"3 -\tLoRa: SF9/125kHz 1760 [bit/s]", u"4 -\tLoRa: SF8/125kHz 3125 [bit/s]", u"5 -\tLoRa: SF7/125kHz 5470 [bit/s]",
    u"6 - LoRa: SF7/250kHz 11000 [bit/s]", u"7 - FSK: 50kbps 50000 [bit/s]"};
constexpr const char16_t* US915DataRates[] = {
    u"0  -\tLoRa: SF10/125kHz 980 [bit/s]",  u"1  -\tLoRa: SF9/125kHz 1760 [bit/s]",
    u"2  -\tLoRa: SF8/125kHz 3125 [bit/s]",  u"3  -\tLoRa: SF7/125kHz 5470 [bit/s]",
    u"4  -\tLoRa: SF8/500kHz 12500 [bit/s]", u"8  -\tLoRa: SF12/500kHz 980 [bit/s]",
    u"9  -\tLoRa: SF11/500kHz 1760 [bit/s]", u"10 - LoRa: SF10/500kHz 3900 [bit/s]",
    u"11 - LoRa: SF9/500kHz 7000 [bit/s]",   u"12 - LoRa: SF8/500kHz 12500 [bit/s]",
    u"13 - LoRa: SF7/500kHz 21900 [bit/s]"};
constexpr const char16_t* EU868Rx2[] = {u"SF12BW125", u"SF11BW125", u"SF10BW125", u"SF9BW125",
                                        u"SF8BW125",  u"SF7BW125",  u"SF7BW250"};
constexpr const char16_t* US915Rx2[] = {u"SF12BW500", u"SF11BW500", u"SF10BW500",
                                        u"SF9BW500",  u"SF8BW500",  u"SF7BW500"};
constexpr const char16_t* AsiaRx2[] = {u"SF12BW125", u"SF11BW125", u"SF10BW125", u"SF9BW125", u"SF8BW125", u"SF7BW125"};

constexpr TBandLists Bands[] = {
    {u"EU868", EU868DataRates, EU868Rx2},
    {u"US915", US915DataRates, US915Rx2},
    {u"KR920", {}, AsiaRx2},
    {u"AS923", {}, AsiaRx2},
};

void Refill(TComboBox* combo, std::span<const char16_t* const> items) {
  TStringList& list = combo->Items();
  list.Clear();
  for (const char16_t* item : items) list.Add(QString::fromUtf16(item));
  combo->SetItemIndex(0);
}
}  // namespace

void TFParGen::Change_LoRaWAN_DataRate() {
  // The band's text is compared exactly: no band selected gives empty lists.
  const QString band = CB_LoRaWAN_RF_Band->Text();
  TBandLists lists{u"", {}, {}};
  for (const TBandLists& b : Bands)
    if (band == QStringView(b.Band)) lists = b;
  Refill(CB_LoRaWAN_DataRate, lists.DataRates);
  Refill(CB_LoRaWAN_RX2_Datarate, lists.Rx2DataRates);
}
