#pragma once

#include <QWidget>

#include "ui/main/logo_pictures.h"

class QPainter;

namespace quorvel {

// Paints the band `width` pixels wide from its top edge: the left picture, the middle tile
// repeated up to the right picture, and the right picture at the right edge on top. A band too
// narrow for both end pictures keeps the right one whole and cuts the left one at its left side.
void PaintLogoBand(QPainter& painter, int width, const LogoPictures& pictures);

// The full-width band at the top of the main window.
class LogoBand final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 58;

    explicit LogoBand(LogoPictures pictures, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LogoPictures m_pictures;
};

}  // namespace quorvel
