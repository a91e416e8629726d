#include "AuthorsGuide.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <vector>

namespace {

std::vector<std::string> GuideLines() {
    std::ifstream guide(std::filesystem::path(TUNEWICK_SOURCE_DIR) / "docs" / "game-authors.md");
    std::vector<std::string> lines;
    for (std::string line; std::getline(guide, line);) lines.push_back(line);
    return lines;
}

// Each code's messages as patterns: "…" stands for any text, "N" alone for a number.
std::multimap<std::string, std::regex> WordsInTheGuide() {
    std::multimap<std::string, std::regex> words;
    std::regex row(R"(^- `([a-z0-9-]+)`: `(.*)`$)");
    std::smatch match;
    for (const std::string& line : GuideLines()) {
        if (!std::regex_match(line, match, row)) continue;
        std::string pattern;
        const std::string message = match[2];
        for (std::size_t i = 0; i < message.size(); ++i) {
            bool alone = message[i] == 'N' && (i == 0 || !std::isalpha(static_cast<unsigned char>(message[i - 1]))) &&
                         !std::isalpha(static_cast<unsigned char>(message[i + 1]));
            if (message.compare(i, 3, "\xE2\x80\xA6") == 0) {
                pattern += R"([\s\S]*)";
                i += 2;
            } else if (alone) {
                pattern += "[0-9]+";
            } else {
                if (std::string("\\^$.|?*+()[]{}").find(message[i]) != std::string::npos) pattern += '\\';
                pattern += message[i];
            }
        }
        words.emplace(match[1], std::regex(pattern));
    }
    return words;
}

}  // namespace

std::map<std::string, std::string> LevelsInTheGuide() {
    std::map<std::string, std::string> levels;
    std::regex row(R"(^\| `([a-z0-9-]+)` \| ((error|warning|note)( or note)?) \|)");
    std::smatch match;
    for (const std::string& line : GuideLines())
        if (std::regex_search(line, match, row)) levels[match[1]] = match[2];
    return levels;
}

void ExpectTheGuidesWords(const Finding& finding) {
    static const auto words = WordsInTheGuide();
    auto [first, last] = words.equal_range(finding.kind->code);
    bool listed = false;
    for (auto it = first; it != last && !listed; ++it) listed = std::regex_match(finding.message.Get(), it->second);
    EXPECT_TRUE(listed) << finding.kind->code << ": " << finding.message.Get();
}
