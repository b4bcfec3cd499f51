#include "sidewindows/AboutPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QSize kPictureSize(130, 110);

QPixmap Canvas(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void DrawMagnifier(QPainter& painter, QPointF centre, qreal radius, qreal ring)
{
    const QPointF handleStart = centre + QPointF(radius * 0.72, radius * 0.72);
    const QPointF handleEnd = centre + QPointF(radius * 1.6, radius * 1.6);
    painter.setPen(QPen(QColor(90, 60, 30), ring * 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handleStart, handleEnd);
    painter.setPen(QPen(QColor(60, 60, 70), ring));
    painter.setBrush(QColor(200, 230, 255, 90));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(255, 255, 255, 190), ring * 0.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(centre.x() - radius * 0.7, centre.y() - radius * 0.7, radius * 1.4, radius * 1.4),
                    100 * 16, 60 * 16);
}

void DrawTrack(QPainter& painter, qreal left, qreal right, qreal top)
{
    painter.setPen(QPen(QColor(120, 85, 50), 3));
    for (qreal x = left + 4; x < right; x += 10)
        painter.drawLine(QPointF(x, top), QPointF(x - 3, top + 8));
    painter.setPen(QPen(QColor(90, 90, 100), 2));
    painter.drawLine(QPointF(left, top + 1), QPointF(right, top + 1));
    painter.drawLine(QPointF(left, top + 6), QPointF(right, top + 6));
}

void DrawLocomotive(QPainter& painter, QPointF base)
{
    const qreal x = base.x();
    const qreal y = base.y();   // rail level
    painter.setPen(QPen(QColor(20, 40, 20), 1));
    // Boiler, smoke box and chimney.
    painter.setBrush(QColor(30, 110, 60));
    painter.drawRoundedRect(QRectF(x + 14, y - 30, 44, 18), 6, 6);
    painter.setBrush(QColor(40, 40, 45));
    painter.drawRect(QRectF(x + 8, y - 30, 8, 18));
    painter.drawRect(QRectF(x + 18, y - 42, 7, 12));
    // Cab with its window and roof.
    painter.setBrush(QColor(160, 30, 30));
    painter.drawRect(QRectF(x + 56, y - 40, 22, 28));
    painter.setBrush(QColor(250, 240, 190));
    painter.drawRect(QRectF(x + 61, y - 36, 12, 9));
    painter.setBrush(QColor(40, 40, 45));
    painter.drawRect(QRectF(x + 53, y - 44, 28, 5));
    // Frame and wheels.
    painter.drawRect(QRectF(x + 6, y - 14, 74, 4));
    painter.setBrush(QColor(190, 40, 40));
    for (const qreal wheel : {22.0, 40.0, 66.0})
        painter.drawEllipse(QPointF(x + wheel, y - 6), 7, 7);
    painter.setBrush(QColor(220, 220, 220));
    for (const qreal wheel : {22.0, 40.0, 66.0})
        painter.drawEllipse(QPointF(x + wheel, y - 6), 2, 2);
    // Steam.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(QPointF(x + 22, y - 50), 6, 4);
    painter.drawEllipse(QPointF(x + 30, y - 57), 8, 5);
    painter.drawEllipse(QPointF(x + 41, y - 63), 10, 6);
}

void DrawScales(QPainter& painter, const QRectF& body)
{
    painter.setPen(QPen(QColor(110, 65, 25), 1.5));
    painter.setBrush(Qt::NoBrush);
    for (int row = 1; row < 6; ++row) {
        const qreal y = body.top() + body.height() * row / 6.0;
        for (int col = 0; col < 4; ++col) {
            const qreal x = body.left() + body.width() * (col + (row % 2 ? 0.0 : 0.5)) / 4.0;
            if (x < body.left() + 2 || x > body.right() - 12)
                continue;
            painter.drawArc(QRectF(x, y - 6, 14, 10), 180 * 16, 180 * 16);
        }
    }
}

} // namespace

QIcon AboutPictures::KluniIcon()
{
    QIcon icon;
    const QDir rendered(QStringLiteral(":/icons"));
    for (const QString& name : rendered.entryList({QStringLiteral("kluni-*.png")}))
        icon.addFile(rendered.filePath(name));
    return icon;
}

QPixmap AboutPictures::KluniPicture()
{
    QPixmap pixmap = Canvas(kPictureSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kPictureSize.height());
    sky.setColorAt(0, QColor(190, 220, 250));
    sky.setColorAt(0.75, QColor(235, 245, 250));
    sky.setColorAt(0.76, QColor(150, 190, 110));
    sky.setColorAt(1, QColor(120, 170, 90));
    painter.setPen(QPen(QColor(120, 140, 160), 1));
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kPictureSize.width() - 1, kPictureSize.height() - 1), 10, 10);
    DrawTrack(painter, 6, 124, 86);
    DrawLocomotive(painter, QPointF(10, 87));
    DrawMagnifier(painter, QPointF(86, 38), 22, 5);
    painter.end();
    return pixmap;
}

QPixmap AboutPictures::ZirboPicture()
{
    QPixmap pixmap = Canvas(kPictureSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 140, 110), 1));
    painter.setBrush(QColor(235, 245, 225));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kPictureSize.width() - 1, kPictureSize.height() - 1), 10, 10);

    // Needles on top.
    painter.setPen(QPen(QColor(40, 120, 50), 2.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF crown(62, 24);
    for (int i = -3; i <= 3; ++i)
        painter.drawLine(crown, crown + QPointF(i * 6, -14 + qAbs(i) * 2));

    // Body with its scales.
    const QRectF body(40, 22, 44, 70);
    painter.setPen(QPen(QColor(90, 50, 20), 2));
    painter.setBrush(QColor(170, 105, 45));
    painter.drawEllipse(body);
    DrawScales(painter, body);

    // Arms: one waving, one resting.
    painter.setPen(QPen(QColor(90, 50, 20), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(83, 56), QPointF(100, 38));
    painter.drawLine(QPointF(100, 38), QPointF(104, 30));
    painter.drawLine(QPointF(41, 58), QPointF(28, 70));
    // Feet.
    painter.drawLine(QPointF(54, 90), QPointF(50, 100));
    painter.drawLine(QPointF(70, 90), QPointF(74, 100));

    // Face.
    painter.setPen(QPen(QColor(40, 25, 10), 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(55, 46), 6, 7);
    painter.drawEllipse(QPointF(69, 46), 6, 7);
    painter.setBrush(QColor(30, 20, 10));
    painter.drawEllipse(QPointF(56, 47), 2.5, 3);
    painter.drawEllipse(QPointF(70, 47), 2.5, 3);
    painter.setPen(QPen(QColor(60, 20, 10), 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(53, 52, 18, 12), 200 * 16, 140 * 16);

    // Greeting.
    painter.setPen(QColor(40, 90, 40));
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(60, 86, 64, 20), Qt::AlignRight | Qt::AlignBottom,
                     QCoreApplication::translate("AboutPictures", "Servus!"));
    painter.end();
    return pixmap;
}
