#pragma once

class QWidget;

namespace quorvel {

// Shows a control's caption in bold or normal. Only the weight becomes the control's own, so the
// window's (translated) face and size still reach it.
void SetBold(QWidget& widget, bool bold);

// The width the control needs with its caption in bold, whatever it shows now.
int BoldWidth(QWidget& widget);

// Keeps room for the bold caption, so a control turning bold neither cuts its text nor moves its
// neighbours.
void ReserveBoldWidth(QWidget& widget);

}  // namespace quorvel
