#pragma once
// A set of UTF-16 units, fast for ASCII.
#include <algorithm>
#include <bitset>
#include <string_view>
#include <vector>

class MXOperatorCharacterSet {
public:
    void insert(std::u16string_view units);
    bool contains(char16_t unit) const {
        if (unit < 128) return ascii_.test(unit);
        return std::binary_search(others_.begin(), others_.end(), unit);
    }

private:
    std::bitset<128> ascii_;
    std::vector<char16_t> others_;  // sorted, unique
};
