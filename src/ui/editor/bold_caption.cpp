#include "ui/editor/bold_caption.h"

#include <QWidget>

namespace quorvel {

void SetBold(QWidget& widget, bool bold)
{
    QFont font;
    if (bold) {
        font.setBold(true);
    }
    widget.setFont(font);
}

int BoldWidth(QWidget& widget)
{
    const bool wasBold = widget.font().bold();
    SetBold(widget, true);
    const int width = widget.sizeHint().width();
    SetBold(widget, wasBold);
    return width;
}

void ReserveBoldWidth(QWidget& widget)
{
    widget.setMinimumWidth(0);
    widget.setMinimumWidth(BoldWidth(widget));
}

}  // namespace quorvel
