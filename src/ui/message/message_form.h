#pragma once

#include <QDialog>
#include <string>
#include <string_view>

#include "ui/lang/lang_form.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace quorvel {

// The window that collects the messages of fired tasks until the user acknowledges them: newest
// first, an empty line between two. It stays above other windows without taking the keyboard
// from whatever the user is typing into, and keeps its size however long the text grows.
class TMessageForm final : public QDialog, public TLangForm {
    Q_OBJECT

public:
    explicit TMessageForm(TLangMgr& langMgr, QWidget* parent = nullptr);

    // The messages as stored bytes, line ends CR LF.
    const std::string& Text() const { return m_text; }

    // Puts `entry` on top of the messages shown and shows the window.
    void AddEntry(std::string_view entry);

    // Visible without waiting; a window already shown stays so.
    void ShowMessage();

    QLabel* MessageLabel() const { return m_label1; }
    QScrollArea* ScrollBox() const { return m_scrollBox1; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Button1Click();
    void ShowText();

    std::string m_text;
    QString m_shown;  // the same, decoded entry by entry: entries may come in different encodings
    QScrollArea* m_scrollBox1;
    QLabel* m_label1;
    QLabel* m_labelp;
    QPushButton* m_button1;
};

}  // namespace quorvel
