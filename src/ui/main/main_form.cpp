#include "ui/main/main_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/settings/settings_store.h"
#include "ui/lang/language_choice_binder.h"
#include "ui/main/logo_band.h"
#include "ui/tray/tray_icon.h"

namespace quorvel {

namespace {

constexpr QSize kClientSize(540, 461);
constexpr QSize kMinimumSize(173, 41);

QWidget* WhitePage(const char* name)
{
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Qt::white);
    page->setPalette(palette);
    return page;
}

}  // namespace

void TMainForm::BuildToolBar(QWidget& page)
{
    m_toolBar = new QToolBar(&page);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setMovable(false);
    struct Button {
        const char* name;
        const char* caption;
        const char* hint;
        QStyle::StandardPixmap picture;
        QAction** action;
    };
    for (const Button& b :
         {Button{"NewBtn", "New", "Add a new scheduled task.", QStyle::SP_FileIcon, &m_newBtn},
          Button{"EditBtn", "Edit", "View and modify scheduled task", QStyle::SP_FileDialogDetailedView,
                 &m_editBtn},
          Button{"DelBtn", "Delete", "Delete scheduled task.", QStyle::SP_TrashIcon, &m_delBtn},
          Button{"DelALLBtn", "Clear", "Delete all scheduled tasks.", QStyle::SP_DialogResetButton,
                 &m_delAllBtn}}) {
        QAction* action =
            m_toolBar->addAction(style()->standardIcon(b.picture), QString::fromLatin1(b.caption));
        action->setObjectName(QString::fromLatin1(b.name));
        action->setToolTip(QString::fromLatin1(b.hint));
        *b.action = action;
    }
}

TMainForm::TMainForm(MainFormServices services, QWidget* parent)
    : QMainWindow(parent),
      TLangForm(*this, QStringLiteral("TMainForm"), services.langMgr),
      m_services(std::move(services)),
      m_scheduler(QFile::encodeName(m_services.dataDir).toStdString(), m_services.timeFormat)
{
    BuildWindow();
    TrayStartUp();
    InitLanguage();
    BindLanguageChoice();
    ConnectPowerEvents();
    FormCreate();
}

void TMainForm::BindLanguageChoice()
{
    LanguageChoiceHooks hooks;
    const SettingsStore& settings = m_services.settings;
    hooks.readSetting = [&settings](std::string_view section, std::string_view key,
                                    std::string_view fallback) {
        return settings.ReadText(section, key, fallback);
    };
    hooks.writeSetting = [&settings](std::string_view section, std::string_view key, std::string_view value) {
        return settings.WriteText(section, key, value).message;
    };
    hooks.reportError = [this](const QString& message) { Tell(message); };
    hooks.rebuildTaskList = [this] { RebuildSchedule(); };
    hooks.resetShutdownStatus = [this] { RunHook(m_services.hooks.resetAutoShutdownStatus); };
    hooks.setOptionsReady = [this] { SetOptionsReady(); };
    hooks.placeOtherControls = [this] { RunHook(m_services.hooks.placeOptionCompanions); };
    m_languageChoice = new LanguageChoiceBinder(LangMgr(), *LanguageMenu(), *m_languageCheck,
                                                *m_languageCombo, std::move(hooks), this);
    m_languageChoice->Build();
    m_languageChoice->ScheduleStartupOption();
}

TMainForm::~TMainForm()
{
    DisconnectPowerEvents();
}

QMenu* TMainForm::LanguageMenu() const
{
    return m_menus->LanguageMenu();
}

void TMainForm::BuildWindow()
{
    setObjectName(QStringLiteral("MainForm"));
    // A second start once found the first by exactly this title; it stays for the language files.
    setWindowTitle(QStringLiteral("Horalux  "));
    setWindowIcon(QIcon(QStringLiteral(":/quorvel/quorvel.png")));

    m_menus = std::make_unique<MainMenus>(*this);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Panel1"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_logo = new LogoBand(LogoPictures::FromResources(), central);
    layout->addWidget(m_logo);

    m_pageControl = new QTabWidget(central);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(m_pageControl, 1);

    QWidget* tasksPage = WhitePage("TabSheet1");
    auto* tasksLayout = new QVBoxLayout(tasksPage);
    tasksLayout->setContentsMargins(2, 2, 2, 2);
    BuildToolBar(*tasksPage);
    tasksLayout->addWidget(m_toolBar);

    m_taskList = new QListWidget(tasksPage);
    m_taskList->setObjectName(QStringLiteral("ListView1"));
    m_taskList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_taskList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_taskList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_taskList->setToolTip(QStringLiteral(
        "All your scheduled tasks are shown in this list. You can click on the New button to add a new "
        "scheduled task. Click on the Edit button to modify a scheduled task."));
    m_taskList->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_taskList->addActions(m_menus->TaskListMenu()->actions());
    tasksLayout->addWidget(m_taskList, 1);
    m_pageControl->addTab(tasksPage, QStringLiteral("  Scheduled Tasks   "));

    QWidget* optionsPage = WhitePage("TabSheet2");
    // The language option pair stays hidden; the Tools menu's hidden Language submenu is its twin.
    m_languageCheck = new QCheckBox(QStringLiteral("Change to other localized language"), optionsPage);
    m_languageCheck->setObjectName(QStringLiteral("LanCheckBox"));
    m_languageCheck->setToolTip(QStringLiteral("Change the interface to other localized language."));
    m_languageCheck->move(16, 200);
    m_languageCheck->hide();
    m_languageCombo = new QComboBox(optionsPage);
    m_languageCombo->setObjectName(QStringLiteral("LanComboBox"));
    m_languageCombo->hide();
    m_pageControl->addTab(optionsPage, QStringLiteral("       Options        "));

    setCentralWidget(central);
    setMinimumSize(kMinimumSize);
    resize(kClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), kClientSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    m_tray = new TrayIcon(QIcon(QStringLiteral(":/quorvel/quorvel.png")),
                          QIcon(QStringLiteral(":/quorvel/quorvel_pressed.png")), this);
    m_tray->SetMenu(m_menus->TrayMenu());
    m_tray->SetHint(QStringLiteral("Quorvel"));
    connect(m_tray, &TrayIcon::DefaultActionRequested, m_menus->trayMainWindow, &QAction::trigger);
    ConnectCommands();

    m_timer7 = new QTimer(this);
    m_timer7->setObjectName(QStringLiteral("Timer7"));
    m_timer7->setSingleShot(true);
    m_timer7->setInterval(100);
    connect(m_timer7, &QTimer::timeout, this, &TMainForm::Timer7Timer);

    // Aimed anew at each next second, so it never drifts across a second boundary.
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setSingleShot(true);
    m_timer1->setTimerType(Qt::PreciseTimer);
    connect(m_timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);

    m_timer5 = new QTimer(this);
    m_timer5->setObjectName(QStringLiteral("Timer5"));
    m_timer5->setInterval(30000);
    connect(m_timer5, &QTimer::timeout, this, &TMainForm::Timer5Timer);
    m_timer5->start();
}

}  // namespace quorvel
