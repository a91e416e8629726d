#pragma once
// What Windows' own loaders make of an icon or picture file: how many icons
// ExtractIconExA counts in it, and whether LoadImageA loads it as a bitmap,
// and at what size. win32/ asks them; portable/ reads the file formats as
// they do, for the native build.
namespace platform {

// How many icons the file holds, as ExtractIconExA counts them; 0 for none
// or no such file. The portable back end reads icon files only: for a
// program or library it answers kIconsNotCounted.
inline constexpr unsigned kIconsNotCounted = ~0u;
unsigned CountIcons(const char* path);

// Whether the file loads as a Windows bitmap (LoadImageA), and its size.
bool BitmapSize(const char* path, long& width, long& height);

}  // namespace platform
