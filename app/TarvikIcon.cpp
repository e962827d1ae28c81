#include "app/TarvikIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap stopwatch(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);  // crisp at 16 colours
    const double unit = size / 32.0;
    auto at = [unit](double v) { return static_cast<int>(v * unit + 0.5); };

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x80, 0x80, 0x80));  // the crown
    painter.drawRect(at(13), at(1), at(6), at(4));
    painter.setPen(QPen(Qt::black, qMax(1, at(2))));
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawEllipse(QRect(at(3), at(5), at(26), at(26)));
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0x00, 0x00, 0x80), 1));
    painter.drawEllipse(QRect(at(6), at(8), at(20), at(20)));
    painter.setPen(QPen(QColor(0x80, 0x00, 0x00), qMax(1, at(2))));  // the hand at a few seconds past
    painter.drawLine(at(16), at(18), at(22), at(12));
    return pixmap;
}

}  // namespace

QIcon TarvikIcon() {
    QIcon icon;
    icon.addPixmap(stopwatch(32));
    icon.addPixmap(stopwatch(16));
    return icon;
}
