// Wickcheck: checks a game folder for its author. Reports what Tunewick and
// Runwick will do with its files and every mistake in them; changes nothing.
// Exit status: 0 no findings (notes aside), 1 warnings only, 2 errors.
#include <cstdio>
#include <cstring>

#include "../config/Platform.h"
#include "catalogue/Catalogue.h"
#include "check/CheckPlatform.h"
#include "check/GameFolderCheck.h"
#include "check/Message.h"
#include "Version.h"
#include "watch/Watch.h"

namespace {

constexpr char kUsage[] =
    "Usage: Wickcheck [--json | --sarif | --brief] [--preview FILE.bmp] [--watch [--seconds N]] [GAME-FOLDER]\n"
    "       Wickcheck --po-template FILE.pot | --po FILE.po [GAME-FOLDER]\n"
    "       Wickcheck --from-po FILE.po OUT.lng [--code-page N]\n"
    "       Wickcheck --version\n"
    "Checks a game folder (default: the current one): which files Tunewick and\n"
    "Runwick take, every key as they read it, what Runwick will start and what\n"
    "Tunewick will show, and every mistake found. Changes nothing but the files\n"
    "its options name.\n"
    "  --json   the report as one JSON object\n"
    "  --sarif  the report as a SARIF 2.1.0 log, for code scanning: each finding at\n"
    "           the folder as given joined with its file, and its line\n"
    "  --brief  one line a finding: FILE:LINE: LEVEL: [SECTION] KEY: MESSAGE [CODE]\n"
    "  --preview FILE.bmp  also writes a picture of Tunewick's dialog as the players\n"
    "           will see it on this system\n"
    "  --watch  then starts the game as Runwick does (Runwick's own code: it makes the\n"
    "           save folder) and reports what happens: its windows, the one Runwick\n"
    "           takes, the icon, its end; ends the game after N seconds (30)\n"
    "  --po-template FILE.pot  writes Tunewick's texts as a gettext template for\n"
    "           translators (UTF-8), each with where it shows and its room here\n"
    "  --po FILE.po  the same, with the folder's language file as the translation\n"
    "  --from-po FILE.po OUT.lng  writes a language file of a catalogue's\n"
    "           translations in code page N (the system's), whole or not at all\n"
    "  --version  prints Wickcheck's version, which is the programs' own\n"
    "  --help   this text\n"
    "Exit status: 0 no findings (notes aside), 1 warnings only, 2 errors, 3 bad usage,\n"
    "4 the picture or catalogue could not be written, or this build cannot start the\n"
    "game or write that code page.\n";

// A whole number from 1 to most.
bool ReadNumber(const char* text, unsigned most, unsigned& number) {
    unsigned value = 0;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9' || value > most) return false;
        value = value * 10 + static_cast<unsigned>(*c - '0');
    }
    if (value < 1 || value > most) return false;
    number = value;
    return true;
}

int Usage(const char* problem) {
    std::fprintf(stderr, "Wickcheck: %s\n%s", problem, kUsage);
    return 3;
}

Report report;

}  // namespace

int main(int argc, char** argv) {
    enum class Form { Text, Json, Sarif, Brief } form = Form::Text;
    const char* folder = nullptr;
    int folderIndex = 0;
    bool watch = false;
    bool secondsGiven = false;
    unsigned seconds = 30;
    static FixedText<kMaxPath> preview;  // its full path: the check changes to the game folder
    static FixedText<kMaxPath> catalogue;
    const char* fromPo = nullptr;
    const char* language = nullptr;
    bool withTranslation = false;
    unsigned codePage = 0;
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
        } else if (std::strcmp(argv[i], "--sarif") == 0) {
            form = Form::Sarif;
        } else if (std::strcmp(argv[i], "--brief") == 0) {
            form = Form::Brief;
        } else if (std::strcmp(argv[i], "--preview") == 0) {
            if (i + 1 == argc || !platform::FullPath(argv[++i], preview)) {
                std::fprintf(stderr, "Wickcheck: --preview needs the picture's file name\n%s", kUsage);
                return 3;
            }
        } else if (std::strcmp(argv[i], "--po-template") == 0 || std::strcmp(argv[i], "--po") == 0) {
            withTranslation = argv[i][4] == '\0';
            if (i + 1 == argc || !platform::FullPath(argv[++i], catalogue))
                return Usage("--po-template and --po need the catalogue's file name");
        } else if (std::strcmp(argv[i], "--from-po") == 0) {
            // As given: relative to a current folder the ANSI code page may not name.
            if (i + 2 >= argc) return Usage("--from-po needs the catalogue and the language file to write");
            fromPo = argv[++i];
            language = argv[++i];
        } else if (std::strcmp(argv[i], "--code-page") == 0) {
            if (i + 1 == argc || !ReadNumber(argv[++i], 65535, codePage))
                return Usage("--code-page needs a code page's number, such as 1251");
        } else if (std::strcmp(argv[i], "--watch") == 0) {
            watch = true;
        } else if (std::strcmp(argv[i], "--seconds") == 0) {
            if (i + 1 == argc || !ReadNumber(argv[++i], 3600, seconds)) {
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
    if (secondsGiven && !watch) return Usage("--seconds is the limit of --watch, which was not asked for");
    if (codePage && !fromPo) return Usage("--code-page is the code page of --from-po's language file");
    if (fromPo) {
        if (folder || watch || !preview.IsEmpty() || !catalogue.IsEmpty() || form != Form::Text)
            return Usage("--from-po stands alone: it reads a catalogue and writes a language file");
        return Catalogue::MakeLanguageFile(fromPo, language, codePage ? codePage : platform::AnsiCodePage());
    }
    if (!catalogue.IsEmpty() && (watch || !preview.IsEmpty() || form != Form::Text))
        return Usage("--po-template and --po write a catalogue of the game folder's texts, and nothing else");
    if (folder && !check_platform::ChangeFolder(folderIndex, folder)) {
        static FixedText<kMaxPath + 64> reason;
        Say(reason, folder, " is no folder that can be opened");
        if (form == Form::Sarif) PrintSarifOfNoCheck(folder, SayMore(reason, ": nothing was checked.").Get());
        std::fprintf(stderr, "Wickcheck: %s is no folder that can be opened\n", folder);
        return 3;
    }
    if (folder) report.folderArgument.Set(folder);
    if (!catalogue.IsEmpty()) return Catalogue::WriteFolderCatalogue(catalogue.Get(), withTranslation);
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
    } else if (form == Form::Sarif) {
        PrintSarif(report);
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
