#pragma once
// Tunewick's dialog as the authors' check sees it: made once by Tunewick's
// own dialog procedure from its own template, on the current folder's files,
// shown far off the screen and never active. What the dialog's controls give
// a text, and how the dialog draws itself, stand here beside the dialog, so
// that a change to a control's style is seen here too. Tunewick itself never
// calls these.
#include <windows.h>

#include "../TextFit.h"

namespace OffScreenDialog {

// The dialog, made on first use; null where none can be made.
HWND Dialog();

// Destroys the dialog, so that no window of the check's stays while
// anything else runs; the next use makes it anew.
void Close();

// The client area of the picture frame, in pixels; false without a dialog.
bool PictureFrameSize(long& width, long& height);

// The text's fit in the control; a list's items show '&' as it stands. The
// control's own text stays as it was. False without a dialog.
bool MeasureText(int controlId, const char* text, TextFit& fit);

// A Windows bitmap of the dialog's client area as the players see it: the
// dialog, its frames, its controls and the game's picture, each in its
// place. False without a dialog, or where the file cannot be written.
bool WritePicture(const char* file);

}  // namespace OffScreenDialog
