#include "shell/UAbout.h"

TFAbout* FAbout = nullptr;

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {}
