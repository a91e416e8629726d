// A game's language file out to a translators' catalogue (--po) and back
// (--from-po): the same texts, byte for byte, where the code page holds
// them; a catalogue the code page cannot hold, or with a text too long,
// writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../config/ProfileStore.h"
#include "../wickcheck/catalogue/Catalogue.h"
#include "GameFolder.h"
#include "Platform.h"

namespace {

std::string ValueOf(const Catalogue::Entry& entry, const std::string& file) {
    FixedText<100> value;
    ProfileStore::ReadValue(entry.section, entry.key, entry.english, 100, value, file.c_str());
    return value.Get();
}

// The entries the authors' guide shows of the demo folder's catalogue stand in it, each whole.
void ExpectTheGuidesEntries(const std::string& po) {
    std::ifstream guide(std::filesystem::path(TUNEWICK_SOURCE_DIR) / "docs" / "game-authors.md");
    std::string text((std::istreambuf_iterator<char>(guide)), std::istreambuf_iterator<char>()), entry;
    std::size_t at = text.find("   ```po\n");
    ASSERT_NE(at, std::string::npos);
    for (std::size_t line = at + 9, end; text.compare(line, 6, "   ```") != 0; line = end + 1) {
        end = text.find('\n', line);
        entry += text.substr(line + (end > line ? 3 : 0), end - line - (end > line ? 3 : 0)) + "\n";
        if (end == line || text.compare(end + 1, 6, "   ```") == 0) {
            EXPECT_NE(("\n" + po).find("\n" + entry), std::string::npos) << entry;
            entry.clear();
        }
    }
}

TEST(Catalogue, RoundTripsThroughACatalogue) {
    std::ifstream sample(std::filesystem::path(TUNEWICK_SOURCE_DIR) / "demo" / "System" / "english.lng");
    const std::string demo((std::istreambuf_iterator<char>(sample)), std::istreambuf_iterator<char>());
    const std::string cancel = "msgctxt \"TextB/Cancel\"\nmsgid \"Cancel\"\nmsgstr \"Cancel\"";
    const struct {
        const char* what;
        std::string language;
        std::string translated;  // the Cancel entry as the translator leaves it; empty: as written
        int exitStatus;
        const char* said;
    } rows[] = {
        {"the demo's texts", demo, "", 0, "Wrote "},
        {"&& and & in Windows-1252", "[TextB]\nOK=&Speichern && Schlie\xDF" "en\nCancel=Abbre&chen \x80\n", "", 0, "Wrote "},
        {"blanks and quotes at the ends", "[TextB]\nOK=\" Save \"\nCancel='q'x'\nGraphics=\"\"g\"\"\n", "", 0, "Wrote "},
        {"an untranslated entry", demo, "msgstr \"\"", 0, "note: [TextB] Cancel: not translated"},
        {"a character outside the code page", demo, "msgstr \"\xD0\x9E\xD1\x82\xD0\xBC\xD0\xB5\xD0\xBD\xD0\xB0\"", 2,
         "cannot hold: \"\xD0\x9E\" (U+041E)"},
        {"a value of 100 characters", demo, "msgstr \"" + std::string(100, 'c') + "\"", 2, "over 99 bytes"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        GameFolder game;
        game.Write("System/game.lng", row.language);
        game.Write("System/game.lxf", "[Game]\nTitle=Night Run\n");
        game.Write("out.lng", "[TextB]\nOK=as it was\n");
        ASSERT_EQ(Catalogue::WriteFolderCatalogue(game.FullPath("game.po").c_str(), true), 0);
        std::string po = game.Read("game.po");
        if (row.language == demo) ExpectTheGuidesEntries(po);
        if (!row.translated.empty()) {
            ASSERT_NE(po.find(cancel), std::string::npos) << po;
            po.replace(po.find(cancel) + cancel.size() - 15, 15, row.translated);
            game.Write("game.po", po);
        }
        testing::internal::CaptureStdout();
        int status = Catalogue::MakeLanguageFile(game.FullPath("game.po").c_str(), game.FullPath("out.lng").c_str(), 1252);
        std::string said = testing::internal::GetCapturedStdout();
        EXPECT_EQ(status, row.exitStatus);
        EXPECT_NE(said.find(row.said), std::string::npos) << said;
        EXPECT_FALSE(game.Exists("out.lng.part"));
        if (status) {
            EXPECT_EQ(game.Read("out.lng"), "[TextB]\nOK=as it was\n") << "nothing written";
            continue;
        }
        for (std::size_t i = 0; i < Catalogue::kEntryCount; ++i)
            EXPECT_EQ(ValueOf(Catalogue::EntryAt(i), game.FullPath("out.lng")),
                      ValueOf(Catalogue::EntryAt(i), game.FullPath("System/game.lng")))
                << Catalogue::EntryAt(i).key;
        EXPECT_EQ(game.Read("out.lng").find("Cancel="), row.translated.empty() ? game.Read("out.lng").find("Cancel=")
                                                                               : std::string::npos);
    }
}

// What is no catalogue of Tunewick's texts, or no language file where one is to go, is refused, nothing
// written; line ends, a UTF-8 mark and flags are read as gettext reads them.
TEST(Catalogue, RefusesWhatIsNoCatalogueAndWritesOverNoOtherFile) {
    std::ifstream sample(std::filesystem::path(TUNEWICK_SOURCE_DIR) / "demo" / "System" / "english.lng");
    const std::string demo((std::istreambuf_iterator<char>(sample)), std::istreambuf_iterator<char>());
    const std::string language = "[TextB]\nOK=as it was\n", cancel = "msgctxt \"TextB/Cancel\"";
    GameFolder game;
    game.Write("System/game.lng", demo);
    ASSERT_EQ(Catalogue::WriteFolderCatalogue(game.FullPath("game.po").c_str(), true), 0);
    ASSERT_EQ(Catalogue::WriteFolderCatalogue(game.FullPath("game.pot").c_str(), false), 0);
    const std::string po = game.Read("game.po"), pot = game.Read("game.pot");
    std::string crOnly = po, flagged = po, many = po;
    for (char& c : crOnly) c = c == '\n' ? '\r' : c;
    flagged.replace(flagged.find(cancel), cancel.size(), "#, fuzzy\n#, c-format\n" + cancel);
    auto cancelled = [&](const std::string& text) { return std::string(po).replace(po.find("msgstr \"Cancel\""), 15, "msgstr \"" + text + "\""); };
    for (int i = 0; i < 45; ++i) many += "\nmsgctxt \"X/" + std::to_string(i) + "\"\nmsgid \"x\"\nmsgstr \"y\"\n";
    // out: what stands at the language file's name before.
    const struct { const char* what; std::string catalogue, out; int exitStatus; const char* said; } rows[] = {
        {"the two swapped: a language file as the catalogue", demo, po, 2, "section heading before any entry"},
        {"a catalogue where the language file is to go", po, po, 2, "out.lng is a gettext catalogue (it has msgid lines): "
         "nothing written over it (the catalogue comes first, then the language file to write)\n"},
        {"a text without a heading where it is to go", po, "notes of mine", 2, "no section heading"},
        {"an empty file", "", language, 2, "no msgid line"},
        {"UTF-16", std::string("\xFF\xFEm\0s\0", 6), language, 2, "UTF-16"},
        {"a NUL byte", "# a\n#b\r\nmsg" + std::string(1, '\0') + "id \"\"", language, 2,
         "line 3: the file holds a NUL byte, which no catalogue does: nothing written\n"},
        {"over 1 MiB", std::string((1 << 20) + 2, '#'), language, 2, "cannot be read, or is over 1 MiB"},
        {"more entries than it holds", many, language, 2,
         "more entries than Wickcheck reads (64): it is no catalogue of Tunewick's texts: nothing written\n"},
        {"no entry of Tunewick's", "msgctxt \"X/Y\"\nmsgid \"a\"\nmsgstr \"b\"\n", language, 2, "no entry for any"},
        {"nothing translated", pot, language, 2, "translates none"},
        {"an overlong form of '&'", cancelled("\xC0\xA6"), language, 2, "is no UTF-8 text"},
        {"an escape sequence, shown escaped", cancelled("\x1B[31m"), language, 2, "\\x1B[31m\" holds a control"},
        {"a line break", cancelled("Ab\\nbrechen"), language, 2,
         "\"Ab\\nbrechen\" breaks a line, which no text of Tunewick's can\n1 error"},
        {"CR alone ends lines", crOnly, language, 0, "24 of 25"},
        {"a UTF-8 mark", "\xEF\xBB\xBF" + po, language, 2, "line 1: the file starts with a UTF-8 mark, which gettext's "
         "msgfmt refuses: save it as UTF-8 without the mark: nothing written\n"},
        {"one text alone, not the first", po.substr(po.find("msgctxt \"TextB/OK\"")), language, 0, "Wrote "},
        {"a text longer than read", cancelled(std::string(1100, 'a')), language, 2, "is too long: over 1023 bytes\n"},
        {"fuzzy taken away by a second flag line", flagged, language, 2, "flags on one line"},
        {"fuzzy among flags", po.substr(0, po.find(cancel)) + "#, c-format, fuzzy\n" + po.substr(po.find(cancel)), "",
         0, "Cancel: not translated (fuzzy)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        game.Write("in.po", row.catalogue);
        game.Write("out.lng", row.out);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        int status = Catalogue::MakeLanguageFile(game.FullPath("in.po").c_str(), game.FullPath("out.lng").c_str(), 1252);
        std::string said = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
        EXPECT_EQ(status, row.exitStatus);
        EXPECT_NE(said.find(row.said), std::string::npos) << said;
        EXPECT_EQ(game.Read("in.po"), row.catalogue);
        if (status) {
            EXPECT_EQ(game.Read("out.lng"), row.out) << "nothing written";
        } else {
            EXPECT_EQ(ValueOf(Catalogue::EntryAt(2), game.FullPath("out.lng")), "Graphics");
        }
    }
    // The file beside the language file is made new: a link there is not followed.
    game.Write("mine.txt", "mine");
    std::error_code linked;
    std::filesystem::create_symlink(game.FullPath("mine.txt"), game.FullPath("out.lng.part"), linked);
    if (!linked) {
        EXPECT_EQ(Catalogue::MakeLanguageFile(game.FullPath("game.po").c_str(), game.FullPath("out.lng").c_str(), 1252), 2);
    }
    EXPECT_EQ(game.Read("mine.txt"), "mine");
}

}  // namespace
