#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each row of a data-driven test after its `name` field.
struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& row) const
    {
        return row.param.name;
    }
};
