#pragma once
// The authors' check of a game folder: what Tunewick and Runwick will do
// with its files, through their own logic, and every mistake in them. It
// changes nothing: no file is written, no folder made, nothing started.
#include "Report.h"

namespace GameFolderCheck {

// Checks the game folder that is the current directory; changes to its
// short form where the programs would.
void Run(Report& report);

}  // namespace GameFolderCheck
