#pragma once
// Drawing the view layer's images: a named image comes from the program's resources
// (":/images/NAME", with a twice-as-dense "@2x" form that is taken whenever the painter
// draws more than one pixel per point), a drawn image is its colour.
#include <QPainter>
#include <QSizeF>

#include "platform/ui/MXImage.h"

// Nothing is drawn for a name the resources do not hold.
void MXQtPaintImage(QPainter& painter, const MXImage& image, const QRectF& target);

// The image's size in points: its own, else the resource's at 1x.
QSizeF MXQtImageSize(const MXImage& image);

// Whether the resources hold an image of that name.
bool MXQtHasImage(const QString& name);
