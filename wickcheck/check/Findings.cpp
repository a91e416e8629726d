#include "Findings.h"

const FindingKind kFindingKinds[] = {
#define WICKCHECK_KIND(id, code, level, seen, summary, advice) {Code::id, #id, code, Level::level, Seen::seen, summary, advice},
    WICKCHECK_FINDINGS(WICKCHECK_KIND)
#undef WICKCHECK_KIND
};
const std::size_t kFindingKindCount = sizeof kFindingKinds / sizeof kFindingKinds[0];

const FindingKind& KindOf(Code code) {
    return kFindingKinds[static_cast<std::size_t>(code)];
}

Finding* Findings::Add(Code code, CheckedFile file, const char* section, const char* key, std::size_t line,
                       Level atMost) {
    Finding& finding = count_ < kMost ? items_[count_] : overflow_;
    ++count_;
    finding.kind = &KindOf(code);
    finding.level = atMost < finding.kind->level ? atMost : finding.kind->level;
    ++levels_[static_cast<int>(finding.level)];
    finding.file = file;
    finding.section.Set(section);
    finding.key.Set(key);
    finding.line = line;
    finding.message.Clear();
    return &finding;
}

std::size_t Findings::CountOf(Level level) const {
    return levels_[static_cast<int>(level)];
}

int Findings::ExitStatus() const {
    if (CountOf(Level::Error)) return 2;
    return CountOf(Level::Warning) ? 1 : 0;
}
