#include "SarifLocation.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "../../config/GameSettingsFile.h"
#include "../../editor/DialogTexts.h"
#include "../check/CheckPlatform.h"

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The part of the full path below the game folder, or the whole path where
// it is not below it.
const char* BelowGameFolder(const Report& report, const Text& full) {
    const Text& folder = report.gameFolder;
    std::size_t n = folder.Length();
    while (n > 0 && IsSeparator(folder.Get()[n - 1])) --n;
    if (n && std::strncmp(full.Get(), folder.Get(), n) == 0 && IsSeparator(full.Get()[n])) return full.Get() + n + 1;
    return full.Get();
}

bool TakeName(const platform::FoundEntry& entry, void* context) {
    static_cast<Text*>(context)->Set(entry.name);
    return true;
}

void AppendWithSlashes(Text& out, const char* path) {
    for (const char* c = path; *c; ++c) out.Append(IsSeparator(*c) ? "/" : c, 1);
}

}  // namespace

void PathInFolder(const Report& report, CheckedFile file, Text& out) {
    out.Clear();
    if (file == CheckedFile::Other) return;
    bool settings = file == CheckedFile::Settings;
    const Text& full = settings ? report.settingsFile : report.languageFile;
    if (full.IsEmpty()) {
        out.Set(settings ? kSettingsFilePattern : kLanguageFilePattern);
        return;
    }
    const char* path = BelowGameFolder(report, full);
    if (path == full.Get()) {
        AppendWithSlashes(out, path);
        return;
    }
    // The file's name is the search's, as on disk; the folders above it are
    // as the programs name them ("System"), which a disk may hold in other
    // letter case: each is taken as the search finds it.
    FixedText<kMaxPath> so_far;
    const char* part = path;
    for (const char* c = path;; ++c) {
        if (*c && !IsSeparator(*c)) continue;
        FixedText<kMaxPath> name;
        name.Append(part, static_cast<std::size_t>(c - part));
        FixedText<kMaxPath> pattern(so_far.Get());
        pattern.Append(name);
        if (*c) platform::SearchEntries(pattern.Get(), TakeName, &name);
        so_far.Append(name);
        if (!*c) break;
        so_far.Append("/");
        part = c + 1;
    }
    out.Set(so_far);
}

void ArtifactUri(const Report& report, CheckedFile file, Text& out) {
    FixedText<2 * kMaxPath> path;
    AppendWithSlashes(path, report.folderArgument.Get());
    FixedText<kMaxPath> inFolder;
    PathInFolder(report, file, inFolder);
    std::size_t n = path.Length();
    while (n > 1 && path.Get()[n - 1] == '/') --n;  // "/" stays: the root
    FixedText<2 * kMaxPath> joined;
    if (!(n == 1 && path.Get()[0] == '.')) joined.Append(path.Get(), n);
    if (!joined.IsEmpty() && !inFolder.IsEmpty() && joined.Get()[joined.Length() - 1] != '/') joined.Append("/");
    joined.Append(inFolder);
    if (joined.IsEmpty()) joined.Set("./");
    else if (inFolder.IsEmpty() && joined.Get()[joined.Length() - 1] != '/') joined.Append("/");

    static char utf8[3 * check_platform::kMostUtf8Characters + 1];
    check_platform::FilesTextToUtf8(joined.Get(), utf8);
    out.Clear();
    bool drive = ((utf8[0] | 0x20) >= 'a' && (utf8[0] | 0x20) <= 'z') && utf8[1] == ':';
    if (drive || utf8[0] == '/') out.Set(drive ? "file:///" : "file://");
    // Unreserved characters, '/', and those a path may hold unescaped;
    // every other byte as %XX.
    constexpr char kPlain[] = "-._~/!$&'()*+,;=:@";
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(utf8); *c; ++c) {
        bool plain = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9') ||
                     std::strchr(kPlain, *c);
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", *c);
        out.Append(plain ? reinterpret_cast<const char*>(c) : escaped, plain ? 1 : 3);
    }
}

namespace {

// FNV-1a over the text and a terminator, digits left out where asked.
std::uint64_t Hash(std::uint64_t hash, const char* text, bool withDigits = true) {
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text);; ++c) {
        if (!withDigits && *c >= '0' && *c <= '9') continue;
        hash = (hash ^ *c) * 0x100000001b3ull;
        if (!*c) return hash;
    }
}

struct FolderPaths {
    FixedText<kMaxPath> of[3];  // in the order of CheckedFile
};

std::uint64_t HashOf(const FolderPaths& paths, const Finding& f) {
    std::uint64_t hash = Hash(0xcbf29ce484222325ull, f.kind->code);
    hash = Hash(hash, paths.of[static_cast<int>(f.file)].Get());
    hash = Hash(hash, f.section.Get());
    hash = Hash(hash, f.key.Get());
    return Hash(hash, f.message.Get(), false);
}

}  // namespace

void Fingerprint(const Report& report, std::size_t index, Text& out) {
    static FolderPaths paths;
    for (CheckedFile file : {CheckedFile::Settings, CheckedFile::Language, CheckedFile::Other})
        PathInFolder(report, file, paths.of[static_cast<int>(file)]);
    const Findings& findings = report.findings;
    std::uint64_t hash = HashOf(paths, findings[index]);
    std::size_t before = 0;
    for (std::size_t i = 0; i < index; ++i)
        if (HashOf(paths, findings[i]) == hash) ++before;
    char text[48];
    std::snprintf(text, sizeof text, "%016" PRIx64 ":%zu", hash, before);
    out.Set(text);
}
