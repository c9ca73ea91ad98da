#pragma once
// The view layer's values as Qt's: texts, colours, fonts and rectangles. Sizes in points
// stay points: the views paint with a painter scaled from points to the window's pixels.
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/ui/MXColor.h"
#include "platform/ui/MXFont.h"
#include "platform/ui/MXGeometry.h"

inline QString MXQtString(const std::u16string& text) { return QString::fromStdU16String(text); }

inline QColor MXQtColor(const MXColor& color) {
    return QColor::fromRgbF(static_cast<float>(color.red), static_cast<float>(color.green),
                            static_cast<float>(color.blue), static_cast<float>(color.alpha));
}

// A point is a pixel before the window's scale, so the size is a pixel size. A font
// without a family is the application's font.
inline QFont MXQtFont(const MXFont& font) {
    QFont qtFont;
    if (!font.family.empty()) qtFont.setFamily(MXQtString(font.family));
    qtFont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSize))));
    // Hinting would fit glyphs to the unscaled pixel grid and misplace them once scaled.
    qtFont.setHintingPreference(QFont::PreferNoHinting);
    return qtFont;
}

inline QRectF MXQtRect(const MXRect& rect) {
    return {rect.origin.x, rect.origin.y, rect.size.width, rect.size.height};
}
