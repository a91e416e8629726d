#include "FakeSystem.h"

#include <unistd.h>

#include "Platform.h"

namespace platform {
namespace {
bool asciiCodePage = false;
bool driveWithoutShortNames = false;
}  // namespace

void UseAsciiCodePage(bool ascii) {
    asciiCodePage = ascii;
}

void UseDriveWithoutShortNames(bool without) {
    driveWithoutShortNames = without;
}

bool KeepsShortNames() {
    return driveWithoutShortNames;
}

// ASCII holds only the first 128 bytes, and no short form falls back.
FolderNaming NameCurrentFolder() {
    char folder[4096];
    if (!asciiCodePage || !getcwd(folder, sizeof folder)) return FolderNaming::InCodePage;
    for (const char* c = folder; *c; ++c)
        if (static_cast<unsigned char>(*c) >= 0x80) return FolderNaming::None;
    return FolderNaming::InCodePage;
}

unsigned AnsiCodePage() {
    return asciiCodePage ? 20127 : 1252;
}

}  // namespace platform
