#include "ui/editor/program_form.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/editor/program_value.h"
#include "core/tasks/storable_text.h"
#include "platform/launcher.h"
#include "ui/editor/text_rule_validator.h"

namespace quorvel {
namespace {

// The Launch Program field of a task line, which both boxes end up in.
constexpr std::size_t kRunProgramField = 14;

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

TProgramForm::TProgramForm(QWidget* owner, TLangMgr& langMgr, Launcher& launcher, FileChooser chooseFile,
                           const QString& displayText, const QString& programValue)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      TLangForm(*this, QStringLiteral("TProgramForm"), langMgr),
      m_launcher(launcher),
      m_chooseFile(std::move(chooseFile))
{
    BuildWindow();
    InitLanguage();
    const ProgramAndParameters split =
        SplitProgramValue(displayText.toUtf8().toStdString(), programValue.toUtf8().toStdString());
    m_edit2->setText(FromUtf8(split.program));
    m_edit1->setText(FromUtf8(split.parameters));
}

void TProgramForm::BuildWindow()
{
    setObjectName(QStringLiteral("ProgramForm"));
    setWindowTitle(QStringLiteral("Select Program"));

    m_label1 = new QLabel(QStringLiteral("Program:"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_edit2 = new QLineEdit(this);
    m_edit2->setObjectName(QStringLiteral("Edit2"));
    m_suiButton1 = new QPushButton(QStringLiteral("..."), this);
    m_suiButton1->setObjectName(QStringLiteral("suiButton1"));
    m_suiButton1->setToolTip(QStringLiteral("Selects a file."));
    m_label2 = new QLabel(QStringLiteral("Parameters:"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_suiButton2 = new QPushButton(QStringLiteral("..."), this);
    m_suiButton2->setObjectName(QStringLiteral("suiButton2"));
    m_suiButton2->setToolTip(QStringLiteral("Selects a file."));
    m_test = new QPushButton(QStringLiteral("Test"), this);
    m_test->setObjectName(QStringLiteral("test"));
    m_test->setToolTip(QStringLiteral("Selects a file."));
    m_button2 = new QPushButton(QStringLiteral("OK"), this);
    m_button2->setObjectName(QStringLiteral("Button2"));
    m_button1 = new QPushButton(QStringLiteral("Cancel"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));

    // Both texts go into one field of the task line, which cannot hold a "*".
    m_edit2->setValidator(TextRuleValidator::ForTaskField(kRunProgramField, m_edit2));
    m_edit1->setValidator(TextRuleValidator::ForTaskField(kRunProgramField, m_edit1));
    m_edit2->setMinimumWidth(320);
    for (QPushButton* small : {m_suiButton1, m_suiButton2}) {
        small->setFixedWidth(small->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 20);
        small->setAutoDefault(false);
    }
    m_test->setAutoDefault(false);
    m_button1->setAutoDefault(false);
    m_button2->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(m_label1, 0, 0);
    fields->addWidget(m_edit2, 0, 1);
    fields->addWidget(m_suiButton1, 0, 2);
    fields->addWidget(m_label2, 1, 0);
    fields->addWidget(m_edit1, 1, 1);
    fields->addWidget(m_suiButton2, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_test);
    buttons->addStretch();
    buttons->addWidget(m_button2);
    buttons->addWidget(m_button1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_suiButton1, &QPushButton::clicked, this, &TProgramForm::suiButton1Click);
    connect(m_suiButton2, &QPushButton::clicked, this, &TProgramForm::suiButton2Click);
    connect(m_test, &QPushButton::clicked, this, &TProgramForm::testClick);
    connect(m_button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_button1, &QPushButton::clicked, this, &QDialog::reject);
}

QString TProgramForm::Program() const
{
    return m_edit2->text();
}

QString TProgramForm::Parameters() const
{
    return m_edit1->text();
}

QString TProgramForm::Choose(const FileChoice& choice) const
{
    if (!m_chooseFile) {
        return {};
    }
    QString path = m_chooseFile(*const_cast<TProgramForm*>(this), choice);
    // A name holding "*" could not be stored in the task line.
    if (!path.isEmpty() && !StorableInField(kRunProgramField, path.toUtf8().toStdString())) {
        QApplication::beep();
        return {};
    }
    return path;
}

void TProgramForm::suiButton1Click()
{
    // Linux programs carry no ".exe": the first entry shows what may be run, the second everything.
    const QString path = Choose(
        FileChoice{{LangStr(QStringLiteral("Programs"), QStringLiteral("Programs")) + QStringLiteral(" (*)"),
                    QStringLiteral("*.* (*)")},
                   true});
    if (!path.isEmpty()) {
        m_edit2->setText(path);
    }
}

void TProgramForm::suiButton2Click()
{
    const QString path = Choose(FileChoice{{QStringLiteral("*.* (*)")}, false});
    if (!path.isEmpty()) {
        m_edit1->setText(path);
    }
}

void TProgramForm::testClick()
{
    if (m_edit2->text().isEmpty()) {
        return;
    }
    m_launcher.StartProgram(m_edit2->text().toUtf8().toStdString(), m_edit1->text().toUtf8().toStdString());
}

}  // namespace quorvel
