#include "app/MXQtTextViews.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kWrapping = Qt::TextWrapAnywhere;

Qt::Alignment alignmentOf(MXTextAlignment alignment) {
    switch (alignment) {
        case MXTextAlignment::Center: return Qt::AlignHCenter;
        case MXTextAlignment::Right: return Qt::AlignRight;
        case MXTextAlignment::Left: break;
    }
    return Qt::AlignLeft;
}

}  // namespace

void MXQtLabel::setText(std::u16string text) {
    MXLabel::setText(std::move(text));
    refresh();
}

void MXQtLabel::setFont(MXFont font) {
    MXLabel::setFont(std::move(font));
    refresh();
}

void MXQtLabel::setTextColor(MXColor color) {
    MXLabel::setTextColor(color);
    refresh();
}

void MXQtLabel::setTextAlignment(MXTextAlignment alignment) {
    MXLabel::setTextAlignment(alignment);
    refresh();
}

void MXQtLabel::paint(QPainter& painter) const {
    MXQtPaintBackground(painter, *this);
    painter.setFont(MXQtFont(font()));
    painter.setPen(MXQtColor(textColor()));
    const QRectF area(0, 0, frame().size.width, frame().size.height);
    painter.drawText(area, alignmentOf(textAlignment()) | Qt::AlignVCenter | Qt::TextSingleLine, MXQtString(text()));
}

void MXQtTextView::setText(std::u16string text) {
    MXTextView::setText(std::move(text));
    refresh();
}

void MXQtTextView::insertText(std::u16string_view text) {
    MXTextView::insertText(text);
    refresh();
}

void MXQtTextView::deleteBackward() {
    MXTextView::deleteBackward();
    refresh();
}

void MXQtTextView::scrollRangeToVisible(size_t location, size_t length) {
    MXTextView::scrollRangeToVisible(location, length);
    const std::u16string shown = text().substr(0, std::min(text().size(), location + length));
    const double bottom = textContainerInset().top + textHeight(shown) + textContainerInset().bottom;
    setContentOffset({0, std::max(0.0, bottom - frame().size.height)});
}

void MXQtTextView::setFont(MXFont font) {
    MXTextView::setFont(std::move(font));
    refresh();
}

void MXQtTextView::setTextColor(MXColor color) {
    MXTextView::setTextColor(color);
    refresh();
}

void MXQtTextView::setTextContainerInset(MXEdgeInsets inset) {
    MXTextView::setTextContainerInset(inset);
    refresh();
}

void MXQtTextView::setContentOffset(MXPoint offset) {
    MXTextView::setContentOffset(offset);
    refresh();
}

MXSize MXQtTextView::contentSize() const {
    const MXEdgeInsets& inset = textContainerInset();
    return {frame().size.width, inset.top + textHeight(text()) + inset.bottom};
}

double MXQtTextView::textHeight(const std::u16string& shown) const {
    const QFontMetricsF metrics(MXQtFont(font()));
    const MXEdgeInsets& inset = textContainerInset();
    const double width = std::max(1.0, frame().size.width - inset.left - inset.right);
    // An empty text still has the height of one line.
    const QString measured = shown.empty() ? QStringLiteral(" ") : MXQtString(shown);
    return metrics.boundingRect(QRectF(0, 0, width, 1e6), kWrapping, measured).height();
}

void MXQtTextView::paint(QPainter& painter) const {
    MXQtPaintBackground(painter, *this);
    const MXSize size = frame().size;
    const MXEdgeInsets& inset = textContainerInset();
    const double scrollable = std::max(0.0, contentSize().height - size.height);
    const double offset = std::clamp(contentOffset().y, 0.0, scrollable);
    painter.setClipRect(QRectF(0, 0, size.width, size.height));
    painter.setFont(MXQtFont(font()));
    painter.setPen(MXQtColor(textColor()));
    const QRectF area(inset.left, inset.top - offset, std::max(1.0, size.width - inset.left - inset.right), 1e6);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | kWrapping, MXQtString(text()));
}
