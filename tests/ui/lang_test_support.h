#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWidget>
#include <string>

#include "ui/lang/lang_form.h"
#include "ui/lang/lang_mgr.h"

namespace quorvel::testing_support {

// Widgets need an application object; the tests share one, made on first use.
inline void EnsureLangTestApplication()
{
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        new QApplication(argc, argv);
    }
}

// Names each case of a parameterised test after its `name` field.
struct LangCaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& caseInfo) const
    {
        return caseInfo.param.name;
    }
};

// A folder of language files made up for one test.
class LangFolder {
public:
    QString Path() const { return m_dir.path(); }
    QString File(const QString& name) const { return m_dir.filePath(name); }

    void Write(const QString& name, const std::string& bytes) const
    {
        QFile file(File(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(bytes.data(), qint64(bytes.size()));
        }
    }
    void Remove(const QString& name) const { QFile::remove(File(name)); }

    // The manager's configuration for this folder, its store kept in the folder too.
    LangMgrConfig Config(const QString& locale = QString()) const
    {
        return LangMgrConfig{{Path()}, StoreFile(), locale};
    }
    QString StoreFile() const { return File(QStringLiteral("store/LangManager.ini")); }

private:
    QTemporaryDir m_dir;
};

// A window with one component of each kind that language files reach.
class TTestForm : public QWidget, public TLangForm {
public:
    explicit TTestForm(TLangMgr& langMgr, QWidget* parent = nullptr)
        : QWidget(parent), TLangForm(*this, QStringLiteral("TTestForm"), langMgr)
    {
        setWindowTitle(QStringLiteral("Test window"));
        button = Named(new QPushButton(QStringLiteral("OK"), this), "Button1");
        button->setToolTip(QStringLiteral("Confirms"));
        label = Named(new QLabel(QStringLiteral("Name:"), this), "Label1");
        check = Named(new QCheckBox(QStringLiteral("Enabled"), this), "CheckBox1");
        edit = Named(new QLineEdit(QStringLiteral("typed"), this), "Edit1");
        group = Named(new QGroupBox(QStringLiteral("Options"), this), "GroupBox1");
        tabs = Named(new QTabWidget(this), "PageControl1");
        page = Named(new QWidget, "TabSheet1");
        tabs->addTab(page, QStringLiteral("  Scheduled Tasks   "));
        menu = Named(new QMenu(QStringLiteral("File"), this), "File1");
        item = Named(menu->addAction(QStringLiteral("Open")), "Open1");
        dash = Named(menu->addAction(QStringLiteral("-")), "N1");
        InitLanguage();
    }

    QPushButton* button;
    QLabel* label;
    QCheckBox* check;
    QLineEdit* edit;
    QGroupBox* group;
    QTabWidget* tabs;
    QWidget* page;
    QMenu* menu;
    QAction* item;
    QAction* dash;

private:
    template <class T>
    static T* Named(T* object, const char* name)
    {
        object->setObjectName(QString::fromLatin1(name));
        return object;
    }
};

// A second window class, for sections and nesting.
class TOtherForm : public QWidget, public TLangForm {
public:
    explicit TOtherForm(TLangMgr& langMgr, QWidget* parent = nullptr)
        : QWidget(parent, Qt::Dialog), TLangForm(*this, QStringLiteral("TOtherForm"), langMgr)
    {
        setWindowTitle(QStringLiteral("Other"));
        button = new QPushButton(QStringLiteral("OK"), this);
        button->setObjectName(QStringLiteral("Button1"));
        InitLanguage();
    }
    QPushButton* button;
};

}  // namespace quorvel::testing_support
