#pragma once

#include <QDialog>

#include "ui/lang/lang_form.h"

class QLabel;
class QPushButton;

namespace quorvel {

// Help, About...: the product's name and version, closed by OK.
class TAboutBox final : public QDialog, public TLangForm {
    Q_OBJECT

public:
    TAboutBox(QWidget* owner, TLangMgr& langMgr);

private:
    QLabel* m_programIcon;
    QLabel* m_productName;
    QLabel* m_version;
    QPushButton* m_okButton;
};

}  // namespace quorvel
