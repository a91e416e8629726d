// Wickcheck --from-po on any bytes: it exits 0 or 2, writes nothing on 2,
// and every value it writes reads back through the profile functions as a
// text Tunewick can show. And a round trip: translations of any bytes of
// Windows-1252, written as a catalogue, read back as they were.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../../config/ProfileStore.h"
#include "../../wickcheck/catalogue/Catalogue.h"
#include "../../wickcheck/check/CheckPlatform.h"
#include "FuzzInput.h"

namespace {

const std::string kBefore = "[TextB]\r\nOK=before\r\n";

struct Folder {
    // scripts/fuzz.sh closes the notes and errors of a million runs
    // (-close_fd_mask=3); run a kept input again without it to read them.
    Folder() {
        char pattern[] = "/tmp/tw-fuzz-po-XXXXXX";
        root = mkdtemp(pattern);
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::string root;
};

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ValueOf(const Catalogue::Entry& entry, const std::string& file) {
    FixedText<100> value;
    ProfileStore::ReadValue(entry.section, entry.key, entry.english, 100, value, file.c_str());
    return value.Get();
}

// A string of a catalogue, as gettext writes one.
std::string Quoted(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) out += c == '"' ? "\\\"" : c == '\\' ? "\\\\" : c == '\t' ? "\\t" : std::string(1, c);
    return out + "\"";
}

// A text of 1 to 99 bytes that Windows-1252 defines, no control character but a tab.
std::string Translation(FuzzInput& input) {
    std::string text;
    std::size_t length = 1 + input.Byte() % 99;
    while (text.size() < length) {
        unsigned char c = input.Byte();
        if ((c < 0x20 && c != '\t') || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
            c = 'a' + c % 26;
        text += static_cast<char>(c);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Folder folder;
    const std::string po = folder.root + "/in.po", lng = folder.root + "/out.lng";
    FuzzInput input(data, size);
    bool roundTrip = input.Byte() % 2;
    std::string wanted[Catalogue::kEntryCount];
    if (roundTrip) {
        std::string catalogue = "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n";
        static char utf8[3 * check_platform::kMostUtf8Characters + 1];
        for (std::size_t i = 0; i < Catalogue::kEntryCount; ++i) {
            wanted[i] = Translation(input);
            check_platform::FilesTextToUtf8(wanted[i].c_str(), utf8);
            catalogue += "\nmsgctxt " + Quoted(Catalogue::ContextOf(Catalogue::EntryAt(i)).Get()) + "\nmsgid " +
                         Quoted(Catalogue::EntryAt(i).english) + "\nmsgstr " + Quoted(utf8) + "\n";
        }
        Write(po, catalogue);
    } else {
        Write(po, input.Rest());
    }
    Write(lng, kBefore);
    std::filesystem::remove(lng + ".part");
    fuzzContext = Escaped(Read(po));
    int status = Catalogue::MakeLanguageFile(po.c_str(), lng.c_str(), 1252);
    FUZZ_CHECK(status == 0 || status == 2);
    FUZZ_CHECK(roundTrip ? status == 0 : true);
    FUZZ_CHECK(!std::filesystem::exists(lng + ".part"));
    if (status) {
        FUZZ_CHECK(Read(lng) == kBefore);
        return 0;
    }
    for (std::size_t i = 0; i < Catalogue::kEntryCount; ++i) {
        std::string value = ValueOf(Catalogue::EntryAt(i), lng);
        FUZZ_CHECK(value.size() < 100);
        for (char c : value) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 || c == '\t');
        if (roundTrip) FUZZ_CHECK(value == wanted[i]);
    }
    return 0;
}
