#include "ui/message/message_form.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include "core/executor/message_entry.h"
#include "platform/task_text_decoding.h"
#include "ui/lang/lang_component_texts.h"

namespace quorvel {
namespace {

constexpr QSize kClientSize(307, 197);
constexpr QRect kScrollBoxArea(19, 14, 269, 89);
constexpr QPoint kScreenOffset(10, 10);

}  // namespace

TMessageForm::TMessageForm(TLangMgr& langMgr, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus),
      TLangForm(*this, QStringLiteral("TMessageForm"), langMgr),
      m_scrollBox1(new QScrollArea(this)),
      m_label1(new QLabel),
      m_labelp(new QLabel(QStringLiteral("Quorvel"), this)),
      m_button1(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("MessageForm"));
    setWindowTitle(QStringLiteral("Message..."));
    // Brought up over the user's work; typing must go on where it was.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kClientSize);

    m_scrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox1->setGeometry(kScrollBoxArea);
    m_scrollBox1->setFrameShape(QFrame::NoFrame);
    m_scrollBox1->setWidgetResizable(false);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setProperty(kLangKeepTextsProperty, true);  // the messages themselves
    // Task files may come from elsewhere: a message is shown as it is, never as markup or a link.
    m_label1->setTextFormat(Qt::PlainText);
    m_label1->setStyleSheet(QStringLiteral("color: blue;"));
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollBox1->setWidget(m_label1);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(8, 116, kClientSize.width() - 16, 4);

    m_labelp->setObjectName(QStringLiteral("Labelp"));
    m_labelp->setGeometry(16, 152, 150, 25);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setGeometry(213, 150, 75, 27);
    connect(m_button1, &QPushButton::clicked, this, &TMessageForm::Button1Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().topLeft() + kScreenOffset);
    }
    InitLanguage();
}

void TMessageForm::AddEntry(std::string_view entry)
{
    QString shown = DecodeTaskText(entry);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!m_text.empty()) {
        shown += QStringLiteral("\n\n") + m_shown;
    }
    m_text = StackMessageEntry(m_text, entry);
    m_shown = shown;
    ShowText();
    ShowMessage();
}

void TMessageForm::ShowText()
{
    m_label1->setText(m_shown);
    // Sized to the text, so the box around it scrolls once it is larger.
    m_label1->adjustSize();
}

void TMessageForm::ShowMessage()
{
    show();
}

void TMessageForm::Button1Click()
{
    m_text.clear();
    m_shown.clear();
    ShowText();
    hide();
}

void TMessageForm::closeEvent(QCloseEvent* event)
{
    // The messages stay for the next one to stand above them.
    hide();
    event->ignore();
}

}  // namespace quorvel
