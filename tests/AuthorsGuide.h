#pragma once
// What the authors' guide says of each finding: its level, and its message
// word for word.
#include <map>
#include <string>

#include "../wickcheck/check/Findings.h"

// Every finding code with its level as the guide's table gives it.
std::map<std::string, std::string> LevelsInTheGuide();

// Fails the test unless the finding's message is one the guide lists for its code.
void ExpectTheGuidesWords(const Finding& finding);
