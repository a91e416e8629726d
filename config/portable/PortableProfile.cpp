// The profile functions on Linux: the file read and written whole around
// the profile text's own reading and editing, in the encoding it has.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "../Platform.h"
#include "../ProfileText.h"
#include "OnDisk.h"

namespace platform {
namespace {

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

}  // namespace platform
