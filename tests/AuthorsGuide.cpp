#include "AuthorsGuide.h"

#include <gtest/gtest.h>

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
        std::string pattern = std::regex_replace(match[2].str(), std::regex(R"([\\^$.|?*+()[\]{}])"), R"(\$&)");
        pattern = std::regex_replace(pattern, std::regex("\xE2\x80\xA6"), R"([\s\S]*)");
        pattern = std::regex_replace(pattern, std::regex(R"(\bN\b)"), "[0-9]+");
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
