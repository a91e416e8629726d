#pragma once
// The portable back end's ANSI code page: Windows-1252 unless told
// otherwise, which holds every byte of a Linux path. Tests narrow it to
// ASCII (code page 20127) to stand for a system whose code page cannot hold
// a game folder's name; this back end keeps no short names to fall back on.
namespace platform {

void UseAsciiCodePage(bool ascii);

// Tests make KeepsShortNames answer yes while paths keep their long form: a
// Windows drive with 8.3 names turned off.
void UseDriveWithoutShortNames(bool without);

}  // namespace platform
