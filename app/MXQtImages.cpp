#include "app/MXQtImages.h"

#include <QFile>
#include <QHash>
#include <QPixmap>

#include "app/MXQtConversions.h"

namespace {

QString resourcePath(const QString& name, bool dense) {
    if (!dense) return QStringLiteral(":/images/") + name;
    const qsizetype dot = name.lastIndexOf(u'.');
    return QStringLiteral(":/images/") + name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

// Loaded once per name and density; the keyboard has a dozen images.
const QPixmap& pixmap(const QString& name, bool dense) {
    static QHash<QString, QPixmap> loaded;
    const QString path = resourcePath(name, dense);
    auto found = loaded.find(path);
    if (found == loaded.end()) {
        QPixmap image(path);
        if (dense && image.isNull()) image = QPixmap(resourcePath(name, false));
        if (dense && !image.isNull()) image.setDevicePixelRatio(2);
        found = loaded.insert(path, image);
    }
    return *found;
}

}  // namespace

bool MXQtHasImage(const QString& name) { return QFile::exists(resourcePath(name, false)); }

QSizeF MXQtImageSize(const MXImage& image) {
    if (image.size.width > 0 && image.size.height > 0) return {image.size.width, image.size.height};
    if (image.fill || image.name.empty()) return {};
    return pixmap(MXQtString(image.name), false).size();
}

void MXQtPaintImage(QPainter& painter, const MXImage& image, const QRectF& target) {
    if (image.fill) {
        painter.fillRect(target, MXQtColor(*image.fill));
        return;
    }
    if (image.name.empty()) return;
    const double density = painter.worldTransform().m11() * painter.device()->devicePixelRatioF();
    const QPixmap& source = pixmap(MXQtString(image.name), density > 1);
    if (!source.isNull()) painter.drawPixmap(target, source, QRectF(QPointF(0, 0), source.size()));
}
