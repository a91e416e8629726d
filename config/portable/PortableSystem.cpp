// The system the portable back end stands for: Windows-1252 as the ANSI code
// page, which holds every byte of a Linux path, and no short (8.3) names.
// The tests stand for other systems with a fake of their own in its place.
#include "../Platform.h"

namespace platform {

bool KeepsShortNames() {
    return false;
}

FolderNaming NameCurrentFolder() {
    return FolderNaming::InCodePage;
}

unsigned AnsiCodePage() {
    return 1252;
}

}  // namespace platform
