// A lookup table of {value, name} rows, built with NAME_ROW so the printed
// name is the constant's own spelling and cannot drift from its value.
#pragma once

#include <cstddef>

template <typename Key>
struct NameRow {
    Key value;
    const char* name;
};

#define NAME_ROW(constant) {constant, #constant}

// The name of `value` in `rows`, or null when it has no row.
template <typename Key, std::size_t N>
const char* FindName(const NameRow<Key> (&rows)[N], Key value)
{
    for (const NameRow<Key>& row : rows) {
        if (row.value == value) {
            return row.name;
        }
    }
    return nullptr;
}
