// The image builder as the main window's update action calls it: build the
// two configuration images of the open project, then write them into its bin
// folder. A step that fails says why, so the update does not go on with old images.
#pragma once

#include <QString>

class TXmlDocument;

struct TImageStepResult {
  bool Ok = true;
  QString Message;
};

// Builds bank 1 and bank 2 in memory from ParGenFile and LoRaWANGatewayFile,
// reading through the caller's document object.
TImageStepResult Make_Config_Banks(TXmlDocument& XML1);
// Writes the images of the last build as bin/bank1.bin and bin/bank2.bin.
TImageStepResult Store_Bank_Files();
