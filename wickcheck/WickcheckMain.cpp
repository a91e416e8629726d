// Wickcheck: checks a game folder for its author. Reports what Tunewick and
// Runwick will do with its files and every mistake in them; changes nothing.
// Exit status: 0 no findings (notes aside), 1 warnings only, 2 errors.
#include <cstdio>
#include <cstring>

#include "../config/Platform.h"
#include "CheckPlatform.h"
#include "Version.h"
#include "GameFolderCheck.h"
#include "Watch.h"

namespace {

constexpr char kUsage[] =
    "Usage: Wickcheck [--json | --brief] [--preview FILE.bmp] [--watch [--seconds N]] [GAME-FOLDER]\n"
    "       Wickcheck --version\n"
    "Checks a game folder (default: the current one): which files Tunewick and\n"
    "Runwick take, every key as they read it, what Runwick will start and what\n"
    "Tunewick will show, and every mistake found. Changes nothing.\n"
    "  --json   the report as one JSON object\n"
    "  --brief  one line a finding: FILE:LINE: LEVEL: [SECTION] KEY: MESSAGE [CODE]\n"
    "  --preview FILE.bmp  also writes a picture of Tunewick's dialog as the players\n"
    "           will see it on this system\n"
    "  --watch  then starts the game as Runwick does (Runwick's own code: it makes the\n"
    "           save folder) and reports what happens: its windows, the one Runwick\n"
    "           takes, the icon, its end; ends the game after N seconds (30)\n"
    "  --version  prints Wickcheck's version, which is the programs' own\n"
    "  --help   this text\n"
    "Exit status: 0 no findings (notes aside), 1 warnings only, 2 errors, 3 bad usage,\n"
    "4 the picture could not be written, or this build cannot start the game.\n";

// A whole number of seconds from 1 to 3600.
bool ReadSeconds(const char* text, unsigned& seconds) {
    unsigned value = 0;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9' || value > 3600) return false;
        value = value * 10 + static_cast<unsigned>(*c - '0');
    }
    if (value < 1 || value > 3600) return false;
    seconds = value;
    return true;
}

Report report;

}  // namespace

int main(int argc, char** argv) {
    enum class Form { Text, Json, Brief } form = Form::Text;
    const char* folder = nullptr;
    int folderIndex = 0;
    bool watch = false;
    bool secondsGiven = false;
    unsigned seconds = 30;
    static FixedText<kMaxPath> preview;  // its full path: the check changes to the game folder
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "/?") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Wickcheck %s\n", TUNEWICK_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--json") == 0) {
            form = Form::Json;
        } else if (std::strcmp(argv[i], "--brief") == 0) {
            form = Form::Brief;
        } else if (std::strcmp(argv[i], "--preview") == 0) {
            if (i + 1 == argc || !platform::FullPath(argv[++i], preview)) {
                std::fprintf(stderr, "Wickcheck: --preview needs the picture's file name\n%s", kUsage);
                return 3;
            }
        } else if (std::strcmp(argv[i], "--watch") == 0) {
            watch = true;
        } else if (std::strcmp(argv[i], "--seconds") == 0) {
            if (i + 1 == argc || !ReadSeconds(argv[++i], seconds)) {
                std::fprintf(stderr, "Wickcheck: --seconds needs a whole number from 1 to 3600\n%s", kUsage);
                return 3;
            }
            secondsGiven = true;
        } else if (argv[i][0] == '-' && argv[i][1] == '-') {
            std::fprintf(stderr, "Wickcheck: unknown option %s\n%s", argv[i], kUsage);
            return 3;
        } else if (!folder) {
            folder = argv[i];
            folderIndex = i;
        } else {
            std::fprintf(stderr, "Wickcheck: one game folder at most\n%s", kUsage);
            return 3;
        }
    }
    if (secondsGiven && !watch) {
        std::fprintf(stderr, "Wickcheck: --seconds is the limit of --watch, which was not asked for\n%s", kUsage);
        return 3;
    }
    if (folder && !check_platform::ChangeFolder(folderIndex, folder)) {
        std::fprintf(stderr, "Wickcheck: %s is no folder that can be opened\n", folder);
        return 3;
    }
    if (watch && !Watch::Possible()) {
        std::fputs("Wickcheck: --watch starts the game, which only the Windows build can: nothing was started\n",
                   stderr);
        return 4;
    }
    GameFolderCheck::Asked asked;
    asked.preview = preview.IsEmpty() ? nullptr : preview.Get();
    asked.watchSeconds = watch ? seconds : 0;
    GameFolderCheck::Done done = GameFolderCheck::Run(report, asked);
    if (form == Form::Json) {
        PrintJson(report);
    } else {
        check_platform::ShowFilesTextOnConsole();
        if (form == Form::Brief)
            PrintBrief(report);
        else
            PrintText(report);
    }
    if (!preview.IsEmpty() && !done.dialogShown) {
        std::fprintf(stderr,
                     "Wickcheck: no picture written to %s: in this folder Tunewick shows only its \"Error!\" box, "
                     "no dialog\n",
                     preview.Get());
        return 4;
    }
    if (!preview.IsEmpty() && !done.previewWritten) {
        std::fprintf(stderr,
                     "Wickcheck: no picture written to %s: no dialog can be made on this system, or the file cannot "
                     "be written\n",
                     preview.Get());
        return 4;
    }
    return report.findings.ExitStatus();
}
