#include "AuthorsGuide.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <vector>

namespace {

// The findings table of Wickcheck's reference: one row a message,
// | `code` | level | `words` | what to do |, "as above" for a code's further messages.
const std::regex kFindingRow(R"(^\| `([a-z0-9-]+)` \| ((error|warning|note)( or note)?) \| `(.*)` \| (.*) \|$)");

std::vector<std::string> GuideLines() {
    std::ifstream guide(std::filesystem::path(TUNEWICK_SOURCE_DIR) / "docs" / "wickcheck.md");
    std::vector<std::string> lines;
    for (std::string line; std::getline(guide, line);) lines.push_back(line);
    return lines;
}

// Each code's messages as patterns: "…" stands for any text, "N" alone for a number.
std::multimap<std::string, std::regex> WordsInTheGuide() {
    std::multimap<std::string, std::regex> words;
    std::smatch match;
    for (const std::string& line : GuideLines()) {
        if (!std::regex_match(line, match, kFindingRow)) continue;
        std::string pattern = std::regex_replace(match[5].str(), std::regex(R"([\\^$.|?*+()[\]{}])"), R"(\$&)");
        pattern = std::regex_replace(pattern, std::regex("\xE2\x80\xA6"), R"([\s\S]*)");
        pattern = std::regex_replace(pattern, std::regex(R"(\bN\b)"), "[0-9]+");
        words.emplace(match[1], std::regex(pattern));
    }
    return words;
}

}  // namespace

std::map<std::string, std::string> LevelsInTheGuide() {
    std::map<std::string, std::string> levels;
    std::smatch match;
    for (const std::string& line : GuideLines())
        if (std::regex_match(line, match, kFindingRow)) levels[match[1]] = match[2];
    return levels;
}

// What to do, as the first row of each code gives it: the advice the report prints.
std::map<std::string, std::string> AdviceInTheGuide() {
    std::map<std::string, std::string> advice;
    std::smatch match;
    for (const std::string& line : GuideLines())
        if (std::regex_match(line, match, kFindingRow)) advice.emplace(match[1], match[6]);
    return advice;
}

void ExpectTheGuidesWords(const Finding& finding) {
    static const auto words = WordsInTheGuide();
    static const auto advice = AdviceInTheGuide();
    EXPECT_EQ(advice.count(finding.kind->code) ? advice.at(finding.kind->code) : "", finding.kind->advice)
        << finding.kind->code;
    auto [first, last] = words.equal_range(finding.kind->code);
    bool listed = false;
    for (auto it = first; it != last && !listed; ++it) listed = std::regex_match(finding.message.Get(), it->second);
    EXPECT_TRUE(listed) << finding.kind->code << ": " << finding.message.Get();
}
