#pragma once
// The native tests' own system in place of the portable back end's: its
// code page narrowed to ASCII (code page 20127), standing for a system
// whose code page cannot hold a game folder's name, where there are no
// short names to fall back on; or a Windows drive with 8.3 names turned off.
namespace platform {

void UseAsciiCodePage(bool ascii);

// KeepsShortNames answers yes while paths keep their long form.
void UseDriveWithoutShortNames(bool without);

}  // namespace platform
