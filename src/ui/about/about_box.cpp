#include "ui/about/about_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "core/app_info.h"

namespace quorvel {

namespace {

constexpr int kIconSize = 64;
constexpr int kTextColumnWidth = 170;

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
    m_programIcon->setPixmap(QPixmap(QStringLiteral(":/quorvel/quorvel_64.png")));
    m_programIcon->setFixedSize(kIconSize, kIconSize);
    m_productName->setObjectName(QStringLiteral("ProductName"));
    QFont nameFont = m_productName->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.7);
    nameFont.setBold(true);
    m_productName->setFont(nameFont);
    m_version->setObjectName(QStringLiteral("Version"));
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setDefault(true);
    m_okButton->setMinimumWidth(90);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    // Icon on the left, name over version beside it, OK under both on the right.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(24, 22, 24, 16);
    layout->setHorizontalSpacing(20);
    layout->setVerticalSpacing(4);
    layout->addWidget(m_programIcon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(m_productName, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    layout->addWidget(m_version, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->setColumnMinimumWidth(1, kTextColumnWidth);
    layout->setRowMinimumHeight(2, 14);
    layout->addWidget(m_okButton, 3, 0, 1, 2, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    InitLanguage();
}

}  // namespace quorvel
