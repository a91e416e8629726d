#include "SettingsFileLocator.h"

#include <cstring>

#include "AsciiCase.h"
#include "Platform.h"

namespace SettingsFileLocator {

namespace {

bool EndsWithIgnoringCase(const char* name, const char* ending) {
    std::size_t n = std::strlen(name);
    std::size_t e = std::strlen(ending);
    if (e > n) return false;
    for (std::size_t i = 0; i < e; ++i)
        if (LowerAscii(name[n - e + i]) != LowerAscii(ending[i])) return false;
    return true;
}

struct Search {
    const char* extension;  // ".lxf"
    FixedText<kMaxPath> name;
};

// The pattern's "*.lxf" also finds "settings.lxfold" through its 8.3 alias
// SETTIN~1.LXF, and folders: only a file whose own name ends in the
// extension is the one we want.
bool IsCandidate(const platform::FoundEntry& entry, const char* extension) {
    return !entry.isFolder && EndsWithIgnoringCase(entry.name, extension);
}

const char* ExtensionOf(const char* pattern) {
    const char* star = std::strrchr(pattern, '*');
    return star ? star + 1 : pattern;
}

bool TakeFirstFile(const platform::FoundEntry& entry, void* context) {
    Search& search = *static_cast<Search*>(context);
    if (!IsCandidate(entry, search.extension)) return false;
    if (search.name.Set(entry.name)) return true;
    search.name.Clear();  // a name is never cut: a cut one names another file
    return false;
}

}  // namespace

bool Locate(const char* pattern, Text& fullPath) {
    fullPath.Clear();
    const char* slash = std::strrchr(pattern, '/');
    Search search{ExtensionOf(pattern), {}};
    platform::SearchEntries(pattern, TakeFirstFile, &search);

    // "System\" and the name: the folder part of the pattern with a backslash.
    FixedText<kMaxPath> relative;
    bool fits = relative.Append(pattern, slash ? static_cast<std::size_t>(slash - pattern) : 0) &&
                relative.Append("\\") && relative.Append(search.name);
    if (!fits || !platform::FullPath(relative.Get(), fullPath)) {
        fullPath.Clear();
        return false;
    }
    return !search.name.IsEmpty();
}

void ForEachCandidate(const char* pattern, void (*visit)(const char* name, void* context), void* context) {
    struct Walk {
        const char* extension;
        void (*visit)(const char*, void*);
        void* context;
    } walk{ExtensionOf(pattern), visit, context};
    platform::SearchEntries(
        pattern,
        [](const platform::FoundEntry& entry, void* data) {
            Walk& w = *static_cast<Walk*>(data);
            if (IsCandidate(entry, w.extension)) w.visit(entry.name, w.context);
            return false;
        },
        &walk);
}

}  // namespace SettingsFileLocator
