// The shared logic's file and folder calls on Linux, behaving as the Win32 ones do:
// '\' and '/' both separate folders, names match without regard to letter
// case, there are no 8.3 names, and a file without write permission for its
// owner stands for a file with the read-only attribute.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../Platform.h"
#include "../AsciiCase.h"
#include "OnDisk.h"

namespace platform {
namespace {

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

}  // namespace

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
