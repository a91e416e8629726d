// Writes the test corpus into a folder, for the checks that run programs on
// it from outside (scripts/check-wickchecks.sh): each broken game folder as
// bad-NN, each generated one (seeds 0 to 9) as generated-NN, with a file of
// no program's bytes as the game.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "BadGameFolders.h"
#include "GeneratedGameFolders.h"

namespace fs = std::filesystem;

namespace {

void Keep(const GameFolder& game, const fs::path& to) {
    fs::copy(game.Root(), to, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    std::printf("%s\n", to.filename().c_str());
}

std::string Numbered(const char* kind, std::size_t n) {
    char name[32];
    std::snprintf(name, sizeof name, "%s-%02zu", kind, n);
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_corpus FOLDER\n");
        return 2;
    }
    const fs::path out = fs::absolute(argv[1]);
    fs::create_directories(out);
    std::ofstream(out / "program") << "no program";
    std::size_t n = 0;
    for (const BadGameFolder& bad : BadGameFolders()) {
        GameFolder game;
        bad.make(game, "game.exe");
        Keep(game, out / Numbered("bad", n++));
    }
    for (unsigned seed = 0; seed < 10; ++seed) {
        GameFolder game;
        MakeGeneratedFolder(game, seed, (out / "program").string());
        Keep(game, out / Numbered("generated", seed));
    }
    return 0;
}
