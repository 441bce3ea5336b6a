#include "ui/about/about_box.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app_info.h"

namespace quorvel {

namespace {

constexpr int kIconSize = 64;

}  // namespace

TAboutBox::TAboutBox(QWidget* owner, TLangMgr& langMgr)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      TLangForm(*this, QStringLiteral("TAboutBox"), langMgr),
      m_programIcon(new QLabel(this)),
      m_productName(new QLabel(QString::fromLatin1(kProductName), this)),
      m_version(new QLabel(QStringLiteral("Version:") + QString::fromLatin1(kProductVersion), this)),
      m_okButton(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    m_programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    m_programIcon->setPixmap(QIcon(QStringLiteral(":/quorvel/quorvel.png")).pixmap(kIconSize, kIconSize));
    m_programIcon->setFixedSize(kIconSize, kIconSize);
    m_productName->setObjectName(QStringLiteral("ProductName"));
    QFont nameFont = m_productName->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    m_productName->setFont(nameFont);
    m_version->setObjectName(QStringLiteral("Version"));
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setDefault(true);
    m_okButton->setMinimumWidth(88);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addStretch();
    texts->addWidget(m_productName);
    texts->addWidget(m_version);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(m_programIcon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 20, 22, 14);
    layout->setSpacing(18);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(300);

    InitLanguage();
}

}  // namespace quorvel
