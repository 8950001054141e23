#include "findings.h"

namespace klarvo::check {

std::string Describe(const Finding& finding) {
    std::string place = finding.file;
    if (finding.line > 0) place += ", line " + std::to_string(finding.line);
    if (!finding.field.empty()) place += ", field " + finding.field;
    return place + ": " + finding.text;
}

}  // namespace klarvo::check
