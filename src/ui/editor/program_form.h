#pragma once

#include <QDialog>
#include <QString>

#include "ui/editor/file_choice.h"
#include "ui/lang/lang_form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

class Launcher;

// "Select Program": the program a Launch Program task starts and its parameters, with a way to
// try the pair. It stores nothing; the task editor reads the two texts after an OK.
class TProgramForm final : public QDialog, public TLangForm {
    Q_OBJECT

public:
    // `displayText` and `programValue` are the editor's Launch Program texts: an empty display
    // text opens with empty boxes, otherwise the program value is split into the two.
    TProgramForm(QWidget* owner, TLangMgr& langMgr, Launcher& launcher, FileChooser chooseFile,
                 const QString& displayText, const QString& programValue);

    QString Program() const;
    QString Parameters() const;

    void suiButton1Click();  // choose the program
    void suiButton2Click();  // choose a file as the parameters
    void testClick();

private:
    void BuildWindow();
    QString Choose(const FileChoice& choice) const;

    Launcher& m_launcher;
    FileChooser m_chooseFile;
    QLabel* m_label1 = nullptr;
    QLineEdit* m_edit2 = nullptr;  // program
    QPushButton* m_suiButton1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLineEdit* m_edit1 = nullptr;  // parameters
    QPushButton* m_suiButton2 = nullptr;
    QPushButton* m_test = nullptr;
    QPushButton* m_button2 = nullptr;  // OK
    QPushButton* m_button1 = nullptr;  // Cancel
};

}  // namespace quorvel
