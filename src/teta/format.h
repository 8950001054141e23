#pragma once
// The two files that Teta imports, as the export writes them and klarvo-check reads them back:
// their names, separators and header lines, the posting record's fields, and the account
// record's fields with their widths. 8-bit text in the host's code page, CR LF line ends.

#include <cstddef>

#include "src/host/mazovia.h"

namespace klarvo::teta {

inline constexpr char kRegisterFileName[] = "!Fs_pln.fkw";
inline constexpr char kAccountsFileName[] = "!Konta.fkx";

// The sales register: the header line "SP■    ■YYYY-MM-DD■", then one posting record per
// posting, each of its fields followed by the separator.
inline constexpr char kRegisterSeparator = "■"_mz[0];
inline constexpr std::size_t kPostingFieldCount = 29;
// An account of 1 to kAccountLength characters, padded to kAccountWidth.
inline constexpr std::size_t kAccountLength = 12;
inline constexpr std::size_t kAccountWidth = 15;
inline constexpr std::size_t kDescriptionLength = 30;
// The register the sales are booked in. A posting on the credit side carries the register token:
// the description's first letter, "|" and the register ("S|2200").
inline constexpr char kSalesRegister[] = "2200";

// The customer accounts: the header line "      Ź      ", then one record per customer, each of
// its fields preceded by the separator.
inline constexpr char kAccountsSeparator = "Ź"_mz[0];
inline constexpr std::size_t kAccountFieldCount = 12;
// The widths of the account record's text fields (3 to 10), each padded or cut to its width.
inline constexpr std::size_t kShortNameWidth = 20;
inline constexpr std::size_t kNameWidth = 60;
inline constexpr std::size_t kPostcodeWidth = 6;
inline constexpr std::size_t kCityWidth = 25;
inline constexpr std::size_t kStreetWidth = 32;
inline constexpr std::size_t kBankWidth = 30;
inline constexpr std::size_t kBankAccountWidth = 30;
inline constexpr std::size_t kTaxIdWidth = 18;

}  // namespace klarvo::teta
