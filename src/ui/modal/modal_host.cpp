#include "ui/modal/modal_host.h"

#include <QDialog>
#include <QMessageBox>

namespace quorvel {

int ModalHost::RunBox(QMessageBox& box) const
{
    return m_boxHook ? m_boxHook(box) : box.exec();
}

int ModalHost::RunDialog(QDialog& dialog) const
{
    return m_dialogHook ? m_dialogHook(dialog) : dialog.exec();
}

}  // namespace quorvel
