#pragma once
// Finds a profile file of the game folder: the first regular file that the
// platform's search returns for a pattern such as "System/*.lxf", relative to
// the current directory and without regard to letter case.
#include "FixedText.h"
#include "Platform.h"  // kMaxPath

namespace SettingsFileLocator {

// The file's full path; true when a file was found. With no such file the
// path names the folder itself, so reads give their fallbacks and writes
// fail. A path too long for the platform is never cut: out is then empty.
bool Locate(const char* pattern, Text& fullPath);

// Calls visit with the name of each file that Locate considers, in the
// platform's order: the first is the one Locate takes.
void ForEachCandidate(const char* pattern, void (*visit)(const char* name, void* context), void* context);

}  // namespace SettingsFileLocator
