// Wickcheck: checks a game folder for its author. Reports what Tunewick and
// Runwick will do with its files and every mistake in them; changes nothing.
// Exit status: 0 no findings (notes aside), 1 warnings only, 2 errors.
#include <cstdio>
#include <cstring>

#include "CheckPlatform.h"
#include "GameFolderCheck.h"

namespace {

constexpr char kUsage[] =
    "Usage: Wickcheck [--json | --brief] [GAME-FOLDER]\n"
    "Checks a game folder (default: the current one): which files Tunewick and\n"
    "Runwick take, every key as they read it, what Runwick will start and what\n"
    "Tunewick will show, and every mistake found. Changes nothing.\n"
    "  --json   the report as one JSON object\n"
    "  --brief  one line a finding: FILE:LINE: LEVEL: [SECTION] KEY: MESSAGE [CODE]\n"
    "  --help   this text\n"
    "Exit status: 0 no findings (notes aside), 1 warnings only, 2 errors, 3 bad usage.\n";

Report report;

}  // namespace

int main(int argc, char** argv) {
    enum class Form { Text, Json, Brief } form = Form::Text;
    const char* folder = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "/?") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--json") == 0) {
            form = Form::Json;
        } else if (std::strcmp(argv[i], "--brief") == 0) {
            form = Form::Brief;
        } else if (argv[i][0] == '-' && argv[i][1] == '-') {
            std::fprintf(stderr, "Wickcheck: unknown option %s\n%s", argv[i], kUsage);
            return 3;
        } else if (!folder) {
            folder = argv[i];
        } else {
            std::fprintf(stderr, "Wickcheck: one game folder at most\n%s", kUsage);
            return 3;
        }
    }
    if (folder && !check_platform::ChangeFolder(folder)) {
        std::fprintf(stderr, "Wickcheck: %s is no folder that can be opened\n", folder);
        return 3;
    }
    GameFolderCheck::Run(report);
    if (form == Form::Json) {
        PrintJson(report);
    } else {
        check_platform::ShowFilesTextOnConsole();
        if (form == Form::Brief)
            PrintBrief(report);
        else
            PrintText(report);
    }
    return report.findings.ExitStatus();
}
