// The library's dialog keys: a key the focused control did not take reaches
// the form's window, and Enter and Escape go to the form's controls as
// CM_DIALOGKEY (WParam the key, LParam the shift state's bits), a typed
// character as CM_DIALOGCHAR (WParam the character). A character typed with
// Alt is offered first, before the focused control sees it: it is always an
// accelerator, also inside an edit. A control that takes one sets Result.
#pragma once

// Installs the routing once for the application (the first form does it).
void InstallDialogKeyRouter();
