// The shared logic's platform calls on Linux, behaving as the Win32 ones do:
// '\' and '/' both separate folders, names match without regard to letter
// case, there are no 8.3 names, and a file without write permission for its
// owner stands for a file with the read-only attribute.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "../Platform.h"
#include "../ProfileText.h"
#include "../AsciiCase.h"

namespace platform {
namespace {

bool SameNameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (LowerAscii(*a) != LowerAscii(*b)) return false;
    return *a == *b;
}

// Case-insensitive wildcard match of a file name: '*' any run, '?' one character.
bool MatchesPattern(const char* pattern, const char* name) {
    if (*pattern == '\0') return *name == '\0';
    if (*pattern == '*') {
        for (const char* rest = name;; ++rest) {
            if (MatchesPattern(pattern + 1, rest)) return true;
            if (*rest == '\0') return false;
        }
    }
    if (*name == '\0') return false;
    if (*pattern != '?' && LowerAscii(*pattern) != LowerAscii(*name)) return false;
    return MatchesPattern(pattern + 1, name + 1);
}

std::string WithSlashes(const char* path) {
    std::string s(path);
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

bool Exists(const std::string& path, struct stat* info = nullptr) {
    struct stat local;
    return stat(path.c_str(), info ? info : &local) == 0;
}

// The path as it stands on disk: each part that does not exist as written is
// looked up in its folder without regard to letter case.
std::string OnDisk(const char* path) {
    std::string in = WithSlashes(path);
    std::string out = (!in.empty() && in[0] == '/') ? "/" : "";
    std::size_t pos = 0;
    while (pos <= in.size()) {
        std::size_t slash = in.find('/', pos);
        if (slash == std::string::npos) slash = in.size();
        std::string part = in.substr(pos, slash - pos);
        pos = slash + 1;
        if (part.empty()) continue;
        std::string candidate = out + part;
        if (!Exists(candidate) && part != "." && part != "..") {
            if (DIR* dir = opendir(out.empty() ? "." : out.c_str())) {
                while (dirent* entry = readdir(dir)) {
                    if (SameNameIgnoringCase(entry->d_name, part.c_str())) {
                        candidate = out + entry->d_name;
                        break;
                    }
                }
                closedir(dir);
            }
        }
        out = candidate;
        if (slash < in.size()) out += '/';
    }
    return out;
}

// Profile files may be UTF-16, marked by their byte-order mark. They are
// read as 8-bit text (characters past 255 become '?') and written back in
// the encoding they had.
using profile_text::Encoding;

Encoding Decode(std::string& contents) {
    Encoding encoding = profile_text::EncodingOf(contents);
    if (encoding == Encoding::Bytes) return encoding;
    std::string text(contents.size() / 2, '\0');
    text.resize(profile_text::NarrowUtf16(contents, encoding, text.data()));
    contents.swap(text);
    return encoding;
}

std::string Encode(std::string_view text, Encoding encoding) {
    if (encoding == Encoding::Bytes) return std::string(text);
    bool little = encoding == Encoding::Utf16LittleEndian;
    std::string bytes;
    for (char c : text) {
        bytes += little ? c : '\0';
        bytes += little ? '\0' : c;
    }
    return bytes;
}

// Each character of the decoded text stands for two bytes after the mark, so
// a change of the text maps onto the file's bytes and every other character,
// those past 255 included, keeps its bytes.
void ApplyEdit(std::string& bytes, const profile_text::Edit& edit, Encoding encoding) {
    std::size_t width = encoding == Encoding::Bytes ? 1 : 2;
    std::size_t mark = encoding == Encoding::Bytes ? 0 : 2;
    bytes.replace(mark + edit.at * width, edit.removed * width, Encode(edit.inserted, encoding));
}

bool LoadFile(const std::string& path, std::string& contents) {
    struct stat info;
    if (!Exists(path, &info) || !S_ISREG(info.st_mode)) return false;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) contents.append(chunk, got);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

// Writes the whole text beside the file and renames it into place, so the
// file is either as it was or wholly the new text.
bool ReplaceFile(const std::string& path, const std::string& contents, mode_t mode) {
    std::string temporary = path + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        std::remove(temporary.c_str());
        return false;
    }
    bool ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    ok = std::fflush(file) == 0 && ok;
    ok = fchmod(fd, mode) == 0 && ok;
    ok = fsync(fd) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temporary.c_str());
    return ok;
}

}  // namespace

std::size_t ReadProfileValue(const char* section, const char* key, const char* fallback,
                              char* out, std::size_t capacity, const char* path) {
    std::string contents;
    bool loaded = LoadFile(OnDisk(path), contents);
    Decode(contents);
    bool opens = loaded || ParentIsFolder(path);
    return profile_text::ReadValue(opens ? &contents : nullptr, section, key, fallback, out, capacity);
}

bool WriteProfileValue(const char* section, const char* key, const char* value,
                        const char* path) {
    if (!section || !key || !value) return false;
    std::string file = OnDisk(path);
    std::string bytes;
    mode_t mode = 0644;
    struct stat info;
    if (Exists(file, &info)) {
        if (!S_ISREG(info.st_mode) || !(info.st_mode & S_IWUSR)) return false;
        if (!LoadFile(file, bytes)) return false;
        mode = info.st_mode & 07777;
    }
    std::string text = bytes;
    Encoding encoding = Decode(text);
    profile_text::Edit edit;
    if (!profile_text::PlanWrite(text, section, key, value, edit)) return true;
    ApplyEdit(bytes, edit, encoding);
    return ReplaceFile(file, bytes, mode);
}

bool SearchEntries(const char* pattern, bool (*visit)(const FoundEntry&, void* context),
                   void* context) {
    std::string full = WithSlashes(pattern);
    std::size_t slash = full.rfind('/');
    std::string folder = slash == std::string::npos ? "." : OnDisk(full.substr(0, slash + 1).c_str());
    std::string namePattern = slash == std::string::npos ? full : full.substr(slash + 1);

    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir))
            if (MatchesPattern(namePattern.c_str(), entry->d_name)) names.push_back(entry->d_name);
        closedir(dir);
    }
    // Enumerate in a fixed order, as a Windows volume does (by name, case folded).
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
    });
    for (const std::string& name : names) {
        struct stat info;
        bool isFolder = Exists(folder + "/" + name, &info) && S_ISDIR(info.st_mode);
        if (visit(FoundEntry{name.c_str(), isFolder}, context)) break;
    }
    return !names.empty();
}

bool FullPath(const char* path, Text& out) {
    out.Clear();
    std::string in = WithSlashes(path);
    if (in.empty()) return false;
    if (in[0] != '/') {
        char cwd[4096];
        if (!getcwd(cwd, sizeof cwd)) return false;
        in = std::string(cwd) + "/" + in;
    }
    // Fold "." and ".." and repeated separators, as GetFullPathNameA does;
    // a trailing separator stays.
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos < in.size()) {
        std::size_t slash = in.find('/', pos);
        if (slash == std::string::npos) slash = in.size();
        std::string part = in.substr(pos, slash - pos);
        pos = slash + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string result;
    for (const std::string& part : parts) result += "/" + part;
    if (result.empty() || in.back() == '/') result += "/";
    if (result.size() >= out.Capacity()) return false;
    out.Set(result.c_str());
    return true;
}

bool ShortPath(const char* path, Text& out) {
    out.Clear();
    std::string file = OnDisk(path);
    if (!Exists(file) || file.size() >= out.Capacity()) return false;
    out.Set(file.c_str());
    return true;
}

bool IsFolder(const char* path) {
    struct stat info;
    return *path && Exists(OnDisk(path), &info) && S_ISDIR(info.st_mode);
}

bool PathExists(const char* path) {
    return *path && Exists(OnDisk(path));
}

bool ParentIsFolder(const char* fullPath) {
    std::string path = WithSlashes(fullPath);
    while (path.size() > 1 && path.back() == '/') path.pop_back();  // the folder itself
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return false;
    return IsFolder(path.substr(0, slash + 1).c_str());
}

bool CreateFolder(const char* path) {
    return mkdir(OnDisk(path).c_str(), 0777) == 0;
}

}  // namespace platform
