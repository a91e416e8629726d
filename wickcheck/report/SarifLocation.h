#pragma once
// Where a SARIF result points, and the fingerprint that lets code scanning
// follow a finding from commit to commit.
#include "../../config/FixedText.h"
#include "../../config/Platform.h"
#include "Report.h"

// The path of the file a finding concerns inside the game folder, with '/'
// and each name as it stands on disk: "System/nightrun.lxf"; the search
// pattern where the programs found no file ("System/*.lxf"); empty for the
// folder itself. Asks the file system: the game folder is the current one.
void PathInFolder(const Report& report, CheckedFile file, Text& out);

// The result's artifact URI: the folder argument as given, joined with the
// path in the folder, with '/', in UTF-8 and percent-encoded where a URI
// needs it; an absolute folder gives a file: URI.
void ArtifactUri(const Report& report, CheckedFile file, Text& out);

// The same finding gives the same fingerprint from run to run: its code,
// file, section, key and message (but the numbers in it, such as the line a
// twin stands on), and how many findings before it had all of these.
void Fingerprint(const Report& report, std::size_t index, Text& out);
