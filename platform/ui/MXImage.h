#pragma once
// An image: a named resource, or a plain fill of one colour. Its size is in points; the
// scale says how many pixels a point has (2 on high-density screens).
#include <optional>
#include <string>

#include "platform/ui/MXColor.h"
#include "platform/ui/MXGeometry.h"

struct MXImage {
    // The resource's name ("shift_0.png"); empty for a drawn image.
    std::u16string name;
    MXSize size;
    double scale = 1;
    // The colour of a drawn image.
    std::optional<MXColor> fill;
    bool operator==(const MXImage&) const = default;
};
