#pragma once

#include <ostream>
#include <string>

#include <gtest/gtest.h>

// Names a parameterised test's row after the row's own `name`, the input it stands for.
template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return std::string(info.param.name);
}

// Prints a failing row by its name instead of byte by byte; a test file brings it in with
// `using rows::PrintTo;` inside the namespace of its rows, where the printer looks for it.
namespace rows {
template <class Row>
requires requires(const Row& r) {
    r.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}
}  // namespace rows
