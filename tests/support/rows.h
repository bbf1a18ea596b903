#pragma once

#include <string>

#include <gtest/gtest.h>

// Names a parameterised test's row after the row's own `name`, the input it stands for.
template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}
