// The check of the values before ParGen.xml is written.
#include "parameters/UParGen.h"

bool TFParGen::Controllo_Dati() { return true; }
