#pragma once
// A font: a family name and a size in points.
#include <string>

struct MXFont {
    std::u16string family;
    double pointSize = 17;
    bool operator==(const MXFont&) const = default;

    MXFont withSize(double size) const { return {family, size}; }
};
