// The main window's parameters step accepted as it stands: the button, then
// OK on the parameters form. Kept apart from the grid's headers, whose
// scroll codes clash with the parameter form's panels.
#pragma once

class TFQuilloreFirmWare;

// True when the form was shown and OK closed it.
bool AcceptParameters(TFQuilloreFirmWare& w);
