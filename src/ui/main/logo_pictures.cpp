#include "ui/main/logo_pictures.h"

namespace quorvel {

LogoPictures LogoPictures::FromResources()
{
    return {QPixmap(QStringLiteral(":/quorvel/BAR_PICTURES")),
            QPixmap(QStringLiteral(":/quorvel/BAR_GRADIENT")),
            QPixmap(QStringLiteral(":/quorvel/BAR_ALGEN"))};
}

}  // namespace quorvel
