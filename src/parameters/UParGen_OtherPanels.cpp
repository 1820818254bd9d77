// The controls of the category panels that the family's other models show.
#include "parameters/UParGen.h"

void TFParGen::Create_Other_Panels() {}

bool TFParGen::Other_Panels_Relayout_On_Change(TObject*) const { return false; }

bool TFParGen::Other_Panels_Relayout_On_Click(TObject*) const { return false; }
