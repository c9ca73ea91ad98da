#pragma once
// Points, sizes, rectangles, edge insets and 2-D affine transforms, in points.
// A transform maps (x, y) to (a*x + c*y + tx, b*x + d*y + ty).

struct MXPoint {
    double x = 0;
    double y = 0;
    bool operator==(const MXPoint&) const = default;
};

struct MXSize {
    double width = 0;
    double height = 0;
    bool operator==(const MXSize&) const = default;
};

struct MXRect {
    MXPoint origin;
    MXSize size;
    bool operator==(const MXRect&) const = default;
};

struct MXEdgeInsets {
    double top = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;
    bool operator==(const MXEdgeInsets&) const = default;
};

struct MXAffineTransform {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
    bool operator==(const MXAffineTransform&) const = default;

    static MXAffineTransform identity() { return {}; }
    static MXAffineTransform translation(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static MXAffineTransform scale(double x, double y) { return {x, 0, 0, y, 0, 0}; }

    // This transform followed by `then`.
    MXAffineTransform concat(const MXAffineTransform& then) const {
        return {a * then.a + b * then.c,           a * then.b + b * then.d,
                c * then.a + d * then.c,           c * then.b + d * then.d,
                tx * then.a + ty * then.c + then.tx, tx * then.b + ty * then.d + then.ty};
    }
    MXPoint apply(MXPoint p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
};
