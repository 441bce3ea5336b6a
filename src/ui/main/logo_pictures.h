#pragma once

#include <QPixmap>

namespace quorvel {

// The three pictures of the logo band: the left picture, the tile that fills the middle and the
// right end picture, all of the band's height.
struct LogoPictures {
    QPixmap pictures;  // BAR_PICTURES
    QPixmap gradient;  // BAR_GRADIENT
    QPixmap algen;     // BAR_ALGEN

    static LogoPictures FromResources();
};

}  // namespace quorvel
