#pragma once
// The file-system and profile calls that the shared logic makes. One back end
// per platform: win32/ calls the real functions, portable/ is our own for
// Linux and behaves as they do for everything these programs ask of them.
#include <cstddef>

#include "FixedText.h"

// The longest path the ANSI file functions hand out, terminator included.
constexpr std::size_t kMaxPath = 260;

namespace platform {

// GetPrivateProfileStringA: the value cut to capacity-1 characters, or the
// fallback when file, section or key is missing. Returns the count delivered.
std::size_t ReadProfileValue(const char* section, const char* key, const char* fallback,
                              char* out, std::size_t capacity, const char* path);

// WritePrivateProfileStringA: creates file, section and key as needed. Never
// called with a null section, key or value (the platform would delete the
// section or the key): ProfileStore refuses them, and so does the portable
// back end.
bool WriteProfileValue(const char* section, const char* key, const char* value,
                        const char* path);

// One entry of a file search, as the platform reports it: the long name.
struct FoundEntry {
    const char* name;
    bool isFolder;
};

// Calls visit for each entry matching pattern (relative to the current
// directory, letter case ignored) until it returns true; false when nothing
// matched at all. The search is closed before it returns.
bool SearchEntries(const char* pattern, bool (*visit)(const FoundEntry&, void* context),
                   void* context);

// GetFullPathNameA against the current directory; false when it fails or the
// result would not fit (out is then empty: a path is never cut).
bool FullPath(const char* path, Text& out);

// GetShortPathNameA; exists only for an existing file or folder.
bool ShortPath(const char* path, Text& out);

// Whether the file system gives names that are no valid short (8.3) names a
// short name of their own: on Windows, yes; the portable back end keeps none.
bool KeepsShortNames();

// GetFileAttributesA: true only for an existing folder.
bool IsFolder(const char* path);

// GetFileAttributesA: true for an existing file or folder.
bool PathExists(const char* path);

// An existing file, not a folder.
inline bool IsFile(const char* path) {
    return PathExists(path) && !IsFolder(path);
}

// True when the folder that holds the full path exists (what CreateDirectoryA needs).
bool ParentIsFolder(const char* fullPath);

// CreateDirectoryA: the last level only.
bool CreateFolder(const char* path);

// How an ANSI program can name the current directory.
enum class FolderNaming {
    InCodePage,  // its path converts to the ANSI code page and back unchanged
    ShortForm,   // it does not, but its short form does: that is now the current directory
    None,        // neither: no short form (8.3 names off on its drive), or one that does not convert
};

// Every path the programs build, and the working folder and -dir the game
// receives, start at the current directory: checks its path (wide, as the
// system holds it) against the ANSI code page and, where it does not
// convert, changes to its short form when that converts.
FolderNaming NameCurrentFolder();

// GetACP: the number of the ANSI code page.
unsigned AnsiCodePage();

}  // namespace platform
