#include "ParGenFixture.h"

#include "platform/StdCtrls.h"

#include <QComboBox>

namespace {
QStringList ItemsOf(TComboBox* c) { return c->Items().ToQStringList(); }

struct BandCase {
  int Band;  // item of CB_LoRaWAN_RF_Band, -1 for none
  int DataRates;
  const char* FirstDataRate;
  QStringList Rx2;
};
}  // namespace

using ParGenBandsTest = ParGenFixture;

TEST_F(ParGenBandsTest, EachBandFillsItsDataRateAndRx2Lists) {
  const QStringList eu868Rx2{"SF12BW125", "SF11BW125", "SF10BW125", "SF9BW125", "SF8BW125", "SF7BW125", "SF7BW250"};
  const QStringList us915Rx2{"SF12BW500", "SF11BW500", "SF10BW500", "SF9BW500", "SF8BW500", "SF7BW500"};
  const QStringList asiaRx2{"SF12BW125", "SF11BW125", "SF10BW125", "SF9BW125", "SF8BW125", "SF7BW125"};
  const BandCase cases[] = {
      {0, 8, "0 -\tLoRa: SF12/125kHz 250 [bit/s]", eu868Rx2},
      {1, 11, "0  -\tLoRa: SF10/125kHz 980 [bit/s]", us915Rx2},
      {2, 0, "", asiaRx2},
      {3, 0, "", asiaRx2},
      {-1, 0, "", {}},
  };
  ShowForm();
  for (const BandCase& c : cases) {
    SCOPED_TRACE(c.Band);
    Form->CB_LoRaWAN_RF_Band->SetItemIndex(c.Band);
    Form->Change_LoRaWAN_DataRate();
    EXPECT_EQ(Form->CB_LoRaWAN_DataRate->Items().Count(), c.DataRates);
    EXPECT_EQ(Form->CB_LoRaWAN_DataRate->Text(), c.FirstDataRate);
    EXPECT_EQ(ItemsOf(Form->CB_LoRaWAN_RX2_Datarate), c.Rx2);
    EXPECT_EQ(Form->CB_LoRaWAN_RX2_Datarate->ItemIndex(), c.Rx2.isEmpty() ? -1 : 0);
  }
}

TEST_F(ParGenBandsTest, DataRateListsKeepTheirOrderAndSpelling) {
  ShowForm();
  Form->CB_LoRaWAN_RF_Band->SetItemIndex(0);
  Form->Change_LoRaWAN_DataRate();
  EXPECT_EQ(ItemsOf(Form->CB_LoRaWAN_DataRate),
            QStringList({"0 -\tLoRa: SF12/125kHz 250 [bit/s]", "1 -\tLoRa: SF11/125kHz 440 [bit/s]",
                         "2 -\tLoRa: SF10/125kHz 980 [bit/s]", "3 -\tLoRa: SF9/125kHz 1760 [bit/s]",
                         "4 -\tLoRa: SF8/125kHz 3125 [bit/s]", "5 -\tLoRa: SF7/125kHz 5470 [bit/s]",
                         "6 - LoRa: SF7/250kHz 11000 [bit/s]", "7 - FSK: 50kbps 50000 [bit/s]"}));
  Form->CB_LoRaWAN_RF_Band->SetItemIndex(1);
  Form->Change_LoRaWAN_DataRate();
  EXPECT_EQ(ItemsOf(Form->CB_LoRaWAN_DataRate),
            QStringList({"0  -\tLoRa: SF10/125kHz 980 [bit/s]", "1  -\tLoRa: SF9/125kHz 1760 [bit/s]",
                         "2  -\tLoRa: SF8/125kHz 3125 [bit/s]", "3  -\tLoRa: SF7/125kHz 5470 [bit/s]",
                         "4  -\tLoRa: SF8/500kHz 12500 [bit/s]", "8  -\tLoRa: SF12/500kHz 980 [bit/s]",
                         "9  -\tLoRa: SF11/500kHz 1760 [bit/s]", "10 - LoRa: SF10/500kHz 3900 [bit/s]",
                         "11 - LoRa: SF9/500kHz 7000 [bit/s]", "12 - LoRa: SF8/500kHz 12500 [bit/s]",
                         "13 - LoRa: SF7/500kHz 21900 [bit/s]"}));
}

TEST_F(ParGenBandsTest, ChoosingABandStartsBothListsAtTheirFirstItemAndMarksTheChange) {
  ShowForm();
  Form->CB_LoRaWAN_DataRate->SetItemIndex(4);
  Form->CB_LoRaWAN_RX2_Datarate->SetItemIndex(6);
  QComboBox* band = Form->CB_LoRaWAN_RF_Band->Combo();
  for (int pick : {1, 0}) {
    // As the user picks it from the list.
    band->setCurrentIndex(pick);
    emit band->activated(pick);
  }
  EXPECT_EQ(Form->CB_LoRaWAN_DataRate->Text(), "0 -\tLoRa: SF12/125kHz 250 [bit/s]");
  EXPECT_EQ(Form->CB_LoRaWAN_RX2_Datarate->Text(), "SF12BW125");
  EXPECT_TRUE(Form->Is_Change);
}
