#pragma once
// A colour with components from 0 to 1.

struct MXColor {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 0;
    bool operator==(const MXColor&) const = default;

    static MXColor colorWithWhite(double white, double alpha) { return {white, white, white, alpha}; }
    static MXColor clearColor() { return {}; }
    static MXColor whiteColor() { return colorWithWhite(1, 1); }
    static MXColor blackColor() { return colorWithWhite(0, 1); }
    static MXColor lightGrayColor() { return colorWithWhite(2.0 / 3.0, 1); }
    static MXColor darkGrayColor() { return colorWithWhite(1.0 / 3.0, 1); }
};
