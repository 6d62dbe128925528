#pragma once

#include "ErrorDescription.h"

#include <memory>
#include <vector>

// The inverter's error and warning codes with title, explanation, cause and remedy:
// 64 slots indexed by the code, most of them empty. Filled completely by the
// constructor; entries never move, so pointers to them stay valid for the table's
// lifetime.
class ErrorTable
{
public:
    static constexpr int Size = 64;

    ErrorTable();
    ~ErrorTable();
    ErrorTable(const ErrorTable &) = delete;
    ErrorTable &operator=(const ErrorTable &) = delete;

    // Null for an empty slot (code 0 among them) and for any code outside 0 to 63;
    // the error parameters may carry codes up to 999, which have no entry.
    [[nodiscard]] const ErrorDescription *entry(int code) const;

    // The entry for a parameter value as the dataset controller reports it: the value
    // is truncated towards zero to a code. Null as above, and for NaN or infinity.
    [[nodiscard]] const ErrorDescription *entryForValue(double value) const;

private:
    std::vector<std::unique_ptr<ErrorDescription>> m_slots;
};
