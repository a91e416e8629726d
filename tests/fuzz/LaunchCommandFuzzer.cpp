// Runwick's command from any settings file: the parameter string starts
// with one blank and holds every non-empty item once, in order, never cut.
// The authors' check of the same folder ends with a report and changes
// nothing in it.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <filesystem>
#include <string>

#include "../../launcher/LaunchCommand.h"
#include "../../wickcheck/check/GameFolderCheck.h"
#include "FuzzInput.h"
#include "SettingsFileLocator.h"

namespace {

// One game folder for the whole run, the current directory.
struct FuzzGameFolder {
    FuzzGameFolder() {
        char pattern[] = "/tmp/tw-fuzz-XXXXXX";
        root = mkdtemp(pattern);
        std::filesystem::create_directory(root + "/System");
        std::filesystem::current_path(root);
    }
    ~FuzzGameFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::string root;
};

// The names in the game folder and the settings file's bytes.
std::string FolderState() {
    std::string state;
    for (auto& entry : std::filesystem::recursive_directory_iterator("."))
        state += entry.path().string() + "\n";
    std::FILE* file = std::fopen("System/game.lxf", "rb");
    char chunk[4096];
    std::size_t got;
    while (file && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) state.append(chunk, got);
    if (file) std::fclose(file);
    return state;
}

Report report;

std::string Item(Setting setting, const char* settingsFile) {
    FixedText<128> value;
    ReadSetting(setting, Program::Runwick, value, settingsFile);
    return value.Get();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzGameFolder folder;
    // Save folders are made for real: keep them inside the game folder
    // (no separators) and clear them away after each run.
    std::string settings(reinterpret_cast<const char*>(data), size);
    for (char& c : settings)
        if (c == '/' || c == '\\') c = '_';
    {
        std::FILE* file = std::fopen("System/game.lxf", "wb");
        std::fwrite(settings.data(), 1, settings.size(), file);
        std::fclose(file);
    }
    struct Tidy {
        ~Tidy() {
            std::error_code ignored;
            for (auto& entry : std::filesystem::directory_iterator(".", ignored))
                if (entry.path().filename() != "System") std::filesystem::remove_all(entry.path(), ignored);
        }
    } tidy;

    std::string before = FolderState();
    report.~Report();
    new (&report) Report();
    GameFolderCheck::Run(report);
    fuzzContext = "file: " + Escaped(settings);
    FUZZ_CHECK(FolderState() == before);
    FUZZ_CHECK(report.findings.ExitStatus() >= 0 && report.findings.ExitStatus() <= 2);

    LaunchCommand command;
    LaunchOutcome outcome = command.Build();
    if (outcome == LaunchOutcome::NoExecutableDefined) return 0;

    const std::string& parameters = command.parameters.Get();
    FUZZ_CHECK(!parameters.empty() && parameters[0] == ' ');
    FUZZ_CHECK(std::strlen(command.parameters.Get()) == command.parameters.Length());

    FixedText<kMaxPath> settingsFile;
    SettingsFileLocator::Locate(kSettingsFilePattern, settingsFile);
    std::string expected = " ";
    auto add = [&expected](const std::string& item) {
        if (!item.empty()) expected += item + " ";
    };
    add(Item(Setting::ZPR, settingsFile.Get()));
    std::size_t saveFolderAt = expected.size();
    for (Setting option : kTunewickOptions) add(Item(option, settingsFile.Get()));
    expected += Item(Setting::CommandLine, settingsFile.Get());

    // The save-folder option, when there is one, stands after ZPR: what the
    // parameters hold beyond the other items is "-dir ", a path and a blank.
    const std::string& got = parameters;
    std::string saveFolderOption;
    bool sameAround = got.size() >= expected.size() && got.compare(0, saveFolderAt, expected, 0, saveFolderAt) == 0 &&
                      got.compare(got.size() - (expected.size() - saveFolderAt), std::string::npos, expected,
                                  saveFolderAt, std::string::npos) == 0;
    if (sameAround) saveFolderOption = got.substr(saveFolderAt, got.size() - expected.size());
    fuzzContext = "file: " + Escaped(settings) + "\ngot:      " + Escaped(parameters) + "\nexpected: " + Escaped(expected);
    FUZZ_CHECK(sameAround);
    if (!saveFolderOption.empty()) {
        FUZZ_CHECK(!Item(Setting::Savedir, settingsFile.Get()).empty());
        FUZZ_CHECK(saveFolderOption.compare(0, 5, "-dir ") == 0 && saveFolderOption.size() > 6);
        FUZZ_CHECK(saveFolderOption.back() == ' ');
    }
    return 0;
}
