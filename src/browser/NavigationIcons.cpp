#include "browser/NavigationIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace NavigationIcons {

namespace {

constexpr int kSize = 24;
const QColor kInk(0x2b, 0x4f, 0x81);

QPainterPath triangle(QPointF a, QPointF b, QPointF c) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

QPainterPath arrow(bool pointsLeft) {
    QPainterPath path;
    const qreal tip = pointsLeft ? 3 : 21;
    const qreal base = 12;
    const qreal tail = pointsLeft ? 21 : 3;
    path.moveTo(tip, 12);
    path.lineTo(base, 3);
    path.lineTo(base, 8);
    path.lineTo(tail, 8);
    path.lineTo(tail, 16);
    path.lineTo(base, 16);
    path.lineTo(base, 21);
    path.closeSubpath();
    return path;
}

void draw(QPainter& p, Picture picture) {
    p.setPen(QPen(kInk.darker(130), 1.2));
    switch (picture) {
        case Picture::Back:
        case Picture::Forward:
            p.setBrush(QColor(0x3f, 0x9b, 0x4a));
            p.drawPath(arrow(picture == Picture::Back));
            break;
        case Picture::Home: {
            p.setBrush(QColor(0xc0, 0x4a, 0x3a));
            p.drawPath(triangle({2, 12}, {12, 3}, {22, 12}));
            p.setBrush(QColor(0xf2, 0xe6, 0xc8));
            p.drawRect(QRectF(5, 12, 14, 9));
            p.setBrush(kInk);
            p.drawRect(QRectF(10, 15, 4, 6));
            break;
        }
        case Picture::Execute: {
            p.setBrush(QColor(0xe8, 0xf0, 0xfa));
            p.drawRoundedRect(QRectF(2, 4, 20, 16), 3, 3);
            p.setBrush(QColor(0x3f, 0x9b, 0x4a));
            p.drawPath(triangle({9, 7}, {17, 12}, {9, 17}));
            break;
        }
        case Picture::Print:
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 2, 10, 8));
            p.setBrush(QColor(0x8a, 0x96, 0xa8));
            p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 15, 10, 7));
            break;
        case Picture::Stop: {
            QPolygonF octagon;
            for (const QPointF& corner :
                 {QPointF(8, 2), QPointF(16, 2), QPointF(22, 8), QPointF(22, 16), QPointF(16, 22),
                  QPointF(8, 22), QPointF(2, 16), QPointF(2, 8)}) {
                octagon << corner;
            }
            p.setBrush(QColor(0xd0, 0x30, 0x2a));
            p.drawPolygon(octagon);
            p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8.5, 8.5), QPointF(15.5, 15.5));
            p.drawLine(QPointF(15.5, 8.5), QPointF(8.5, 15.5));
            break;
        }
        case Picture::Refresh: {
            p.setPen(QPen(QColor(0x3f, 0x9b, 0x4a), 3, Qt::SolidLine, Qt::FlatCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 280 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x3f, 0x9b, 0x4a));
            p.drawPath(triangle({13, 1}, {19, 5}, {13, 9}));
            break;
        }
    }
}

}  // namespace

QIcon icon(Picture picture) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, picture);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace NavigationIcons
