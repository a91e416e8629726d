#include "OnDisk.h"

#include <dirent.h>

#include <algorithm>

#include "../AsciiCase.h"

namespace platform {
namespace {

bool SameNameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (LowerAscii(*a) != LowerAscii(*b)) return false;
    return *a == *b;
}

}  // namespace

std::string WithSlashes(const char* path) {
    std::string s(path);
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

bool Exists(const std::string& path, struct stat* info) {
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

}  // namespace platform
