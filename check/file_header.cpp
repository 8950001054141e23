#include "check/file_header.h"

#include "check/fields.h"
#include "src/teta/format.h"

namespace klarvo::check {
namespace {

struct Kind {
    char separator;
    std::size_t fieldCount;
    Text damagedHeader, swapped, foreign;
};

const Kind kKinds[] = {
    {teta::kRegisterSeparator, teta::kPostingFieldCount, Text::RegisterHeaderNot, Text::AccountsWhereRegister,
     Text::NoRegister},
    {teta::kAccountsSeparator, teta::kAccountFieldCount, Text::AccountsHeaderNot, Text::RegisterWhereAccounts,
     Text::NoAccounts},
};

bool IsHeader(TetaFile file, std::string_view line) {
    if (file == TetaFile::CustomerAccounts) return line == teta::kAccountsHeader.view();
    const std::vector<std::string_view> fields = SplitFields(line, teta::kRegisterSeparator);
    return fields.size() == 4 && fields[0] == teta::kRegisterKind && fields[1].size() == teta::kRegisterHeaderBlanks &&
           fields[1].find_first_not_of(' ') == std::string_view::npos && fields[3].empty() && IsDate(fields[2]);
}

// Which file a first line that is no right header line looks like, if either.
std::optional<TetaFile> LooksLike(std::string_view line) {
    if (line.starts_with(teta::kRegisterKind) && line.find(teta::kRegisterSeparator) == teta::kRegisterKind.size())
        return TetaFile::SalesRegister;
    if (line.find(teta::kAccountsSeparator) != std::string_view::npos &&
        line.find(teta::kRegisterSeparator) == std::string_view::npos)
        return TetaFile::CustomerAccounts;
    return std::nullopt;
}

}  // namespace

FileHeader ReadFileHeader(LineReader& lines, TetaFile expected, const std::string& file, Findings& findings) {
    const Kind& kind = kKinds[static_cast<int>(expected)];
    FileHeader header;
    Line first;
    if (!lines.Next(first)) {
        findings.Fault(FindingKind::Structure, file, 0, Text::EmptyFile);
        return header;
    }
    if (IsHeader(expected, first.text)) {
        header.readOn = true;
        header.header = std::move(first);
        return header;
    }
    Line second;
    if (lines.Next(second) && SplitFields(second.text, kind.separator).size() == kind.fieldCount + 1) {
        findings.Fault(FindingKind::Structure, file, 1, kind.damagedHeader);
        header.readOn = true;
        header.firstRecord = std::move(second);
        return header;
    }
    const auto looksLike = LooksLike(first.text);
    if (looksLike && *looksLike != expected)
        findings.Fault(FindingKind::Files, file, 0, Text::SwappedRule, kind.swapped);
    else
        findings.Fault(FindingKind::Files, file, 0, kind.foreign);
    header.foreign = true;
    return header;
}

std::optional<TetaFile> TetaFileOf(std::string_view firstLine) {
    for (const TetaFile file : {TetaFile::SalesRegister, TetaFile::CustomerAccounts})
        if (IsHeader(file, firstLine)) return file;
    return std::nullopt;
}

}  // namespace klarvo::check
