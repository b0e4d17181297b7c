#pragma once

#include "IdentityRecord.h"

#include <array>
#include <optional>

// The records loaded from the data file: records 1 to count, in the file's order.
struct RecordTable {
    static constexpr int kCapacity = 100;

    std::array<IdentityRecord, kCapacity> records {}; // slot n is records[n - 1]
    int count = 0;
    // Each record read passes through here before it is copied into its slot.
    IdentityRecord scratch {};

    IdentityRecord& slot(int number) { return records.at(std::size_t(number - 1)); }
    const IdentityRecord& slot(int number) const { return records.at(std::size_t(number - 1)); }

    // The first of records 1 to count whose Name is exactly `name` (case, accents and blanks
    // count).
    std::optional<int> find(const QString& name) const;
};

// The table of the running program.
RecordTable& recordTable();
