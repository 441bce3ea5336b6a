#include "ui/modal/main_message_box.h"

#include <QAbstractButton>
#include <QWidget>

#include "ui/lang/lang_form.h"
#include "ui/modal/modal_host.h"

namespace quorvel {

MainMessageBox::MainMessageBox(const ModalHost& host, QWidget& window, const TLangForm& texts)
    : m_host(host), m_window(window), m_texts(texts)
{
}

bool MainMessageBox::Ask(const QString& text, QMessageBox::Icon icon) const
{
    return Run(text, icon, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void MainMessageBox::Tell(const QString& text, QMessageBox::Icon icon) const
{
    Run(text, icon, QMessageBox::Ok);
}

int MainMessageBox::Run(const QString& text, QMessageBox::Icon icon,
                        QMessageBox::StandardButtons buttons) const
{
    QMessageBox box(icon, m_window.windowTitle(), text, buttons, &m_window);
    box.setObjectName(QStringLiteral("MainMessageBox"));
    box.button(QMessageBox::Ok)
        ->setText(m_texts.LangStr(QStringLiteral("Button1Caption"), QStringLiteral("OK")));
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel)) {
        cancel->setText(m_texts.LangStr(QStringLiteral("Button2Caption"), QStringLiteral("Cancel")));
    }
    box.setDefaultButton(QMessageBox::Ok);
    return m_host.RunBox(box);
}

}  // namespace quorvel
