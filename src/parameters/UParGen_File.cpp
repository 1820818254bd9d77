// ParGen.xml: read into the form's controls and written back from them.
#include "parameters/UParGen.h"

void TFParGen::Read_File() {}

bool TFParGen::Write_File() { return true; }

void TFParGen::Change_LoRaWAN_DataRate() {}
