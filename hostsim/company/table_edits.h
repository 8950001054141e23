#pragma once
// Changes a user makes to a table file of the company between two commands of the host, as an
// edit in the host's own windows would: a row found by its key, a cell set, a row added or
// removed. The file is read and written whole; a bad file or a key no row holds throws
// std::runtime_error naming the file.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace klarvo::sim {

// The cell of `column` in the first row whose `keyColumn` holds `key`; a column the file lacks
// is added, empty in the other rows.
void SetCell(const std::filesystem::path& file, const std::string& keyColumn, const std::string& key,
             const std::string& column, const std::string& value);

// A row at the end, with these cells (columns the file lacks are added) and the rest empty.
void AppendRow(const std::filesystem::path& file, const std::vector<std::pair<std::string, std::string>>& cells);

// The first row whose `keyColumn` holds `key`, removed.
void RemoveRow(const std::filesystem::path& file, const std::string& keyColumn, const std::string& key);

}  // namespace klarvo::sim
