#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;
class TLangForm;

namespace quorvel {

class ModalHost;

// The message box every window uses: the window's own title as caption and the OK / Cancel texts
// of the window's language section.
class MainMessageBox {
public:
    MainMessageBox(const ModalHost& host, QWidget& window, const TLangForm& texts);

    // OK and Cancel; true only for OK.
    bool Ask(const QString& text, QMessageBox::Icon icon = QMessageBox::Question) const;
    // OK alone.
    void Tell(const QString& text, QMessageBox::Icon icon = QMessageBox::Information) const;

private:
    int Run(const QString& text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) const;

    const ModalHost& m_host;
    QWidget& m_window;
    const TLangForm& m_texts;
};

}  // namespace quorvel
