#pragma once
// The state of the host's tables: each table's descriptor and record buffer, the document
// walks, and the customer search key.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "src/host/types.h"

namespace klarvo::sim {

struct HostTable {
    host::TableDescriptor descriptor;
    std::vector<char> record;
    bool prepared = false;
};

struct Records {
    std::map<int, HostTable> tables;   // by number, those the host has
    std::vector<int> describedTables;  // table numbers asked for, in order
    std::int32_t customerSearchKey = 0;
};

struct Walk {
    std::size_t next = 0;
    bool ended = false;
};

struct Documents {
    std::map<const void*, Walk> walkers;
    std::optional<std::size_t> current;  // in the Tspr record buffer
};

}  // namespace klarvo::sim
