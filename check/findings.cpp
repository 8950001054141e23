#include "check/findings.h"

#include <algorithm>

namespace klarvo::check {

std::string Describe(const Finding& finding, Language language) {
    if (finding.line == 0) return Say(language, {Text::PlaceInFile, {finding.file, finding.text}});
    const std::string line = std::to_string(finding.line);
    if (finding.field.empty()) return Say(language, {Text::PlaceOnLine, {finding.file, line, finding.text}});
    return Say(language, {Text::PlaceInField, {finding.file, line, finding.field, finding.text}});
}

void Findings::Add(Finding finding, std::vector<FindingGroup>& groups) {
    auto group = std::find_if(groups.begin(), groups.end(), [&](const FindingGroup& g) { return g.rule == finding.rule; });
    if (group == groups.end()) group = groups.insert(groups.end(), FindingGroup{finding.rule, finding.kind, 0, {}});
    ++group->count;
    if (group->first.size() < firstPlaces_) group->first.push_back(std::move(finding));
}

std::int64_t Findings::Count(const std::vector<FindingGroup>& groups) {
    std::int64_t count = 0;
    for (const FindingGroup& group : groups) count += group.count;
    return count;
}

void Findings::Take(const Findings& other) {
    for (const FindingGroup& group : other.faults_)
        for (const Finding& finding : group.first) Fault(finding);
    for (const FindingGroup& group : other.notes_)
        for (const Finding& finding : group.first) Note(finding);
}

bool Findings::Any(FindingKind kind) const {
    return std::any_of(faults_.begin(), faults_.end(), [&](const FindingGroup& group) { return group.kind == kind; });
}

}  // namespace klarvo::check
