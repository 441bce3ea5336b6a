#include "ui/main/logo_band.h"

#include <QPainter>

namespace quorvel {

void PaintLogoBand(QPainter& painter, int width, const LogoPictures& pictures)
{
    const int algenX = width - pictures.algen.width();
    const int picturesWidth = pictures.pictures.width();
    if (algenX < picturesWidth) {
        painter.drawPixmap(algenX - picturesWidth, 0, pictures.pictures);
    } else {
        painter.drawPixmap(0, 0, pictures.pictures);
        // A missing tile has no width; without this guard the loop would never end.
        const int step = pictures.gradient.width();
        for (int x = picturesWidth; step > 0 && x < algenX; x += step) {
            painter.drawPixmap(x, 0, pictures.gradient);
        }
    }
    painter.drawPixmap(algenX, 0, pictures.algen);
}

LogoBand::LogoBand(LogoPictures pictures, QWidget* parent) : QWidget(parent), m_pictures(std::move(pictures))
{
    setObjectName(QStringLiteral("Image1"));
    setFixedHeight(kHeight);
    setCursor(Qt::PointingHandCursor);
    // Every pixel is painted, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LogoBand::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintLogoBand(painter, width(), m_pictures);
}

}  // namespace quorvel
