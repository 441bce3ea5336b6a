#include "ui/lang/lang_mgr.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "platform/ini_lang_manager_store.h"
#include "ui/lang/lang_file.h"
#include "ui/lang/lang_form.h"

namespace {

bool EqualsIgnoringAsciiCase(const QString& a, const QString& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        if (lower(x) != lower(y)) {
            return false;
        }
    }
    return true;
}

// ".FRA" for Quorvel.FRA: the part from the last dot on.
QString ExtensionOf(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QString() : fileName.mid(dot);
}

// Quorvel.<anything>, the stem compared without regard to case.
bool HasLanguageFileName(const QString& fileName)
{
    const QString prefix = QString::fromLatin1(TLangMgr::kFileStem) + u'.';
    return fileName.size() > prefix.size() && EqualsIgnoringAsciiCase(fileName.left(prefix.size()), prefix);
}

// Directory order is whatever the file system gives; sort by name so every run lists alike.
QStringList SortedEntries(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

std::shared_ptr<quorvel::LangManagerStore> StoreOf(const LangMgrConfig& config)
{
    if (config.store) {
        return config.store;
    }
    if (config.storeFile.isEmpty()) {
        return nullptr;
    }
    return std::make_shared<quorvel::IniLangManagerStore>(QFile::encodeName(config.storeFile).toStdString());
}

}  // namespace

TLangMgr::TLangMgr(LangMgrConfig config) : m_config(std::move(config)), m_store(StoreOf(m_config))
{
    FindLanguageFiles();
    ChooseInitialLanguage();
}

TLangMgr::~TLangMgr()
{
    if (m_windowList.isEmpty()) {
        return;
    }
    // A window outliving the manager is a programming error; report it, and make sure the
    // window's own destructor later does not reach back into this object.
    std::fprintf(stderr, "%s\n", kUnsafeFreeMessage);
    for (TLangForm* window : m_windowList) {
        window->DetachFromLangMgr();
    }
}

void TLangMgr::FindLanguageFiles()
{
    m_items.clear();
    QStringList seen;  // a file name found in an earlier folder hides later ones
    for (const QString& folder : m_config.searchFolders) {
        for (const QString& name : SortedEntries(folder)) {
            if (!HasLanguageFileName(name) || std::any_of(seen.cbegin(), seen.cend(), [&](const QString& s) {
                    return EqualsIgnoringAsciiCase(s, name);
                })) {
                continue;
            }
            const QString path = QDir(folder).absoluteFilePath(name);
            const auto file = quorvel::LangFile::Open(path);
            if (!file || !file->HasGeneralKeys()) {
                continue;
            }
            seen.append(name);
            m_items.append(TLangItem{
                file->Value("General", "Language").value_or(QString::fromLatin1(kUnknownName)), path});
        }
    }
}

void TLangMgr::ChooseInitialLanguage()
{
    m_itemIndex = IndexOfExtension(WantedExtension());
}

QString TLangMgr::WantedExtension() const
{
    const QString stored = m_store ? QString::fromStdString(m_store->LanguageExtension()) : QString();
    if (!stored.isEmpty()) {
        return stored;
    }
    if (m_config.localeAbbreviation.isEmpty()) {
        return {};
    }
    return u'.' + m_config.localeAbbreviation;
}

int TLangMgr::IndexOfExtension(const QString& extension) const
{
    if (extension.isEmpty()) {
        return -1;
    }
    for (int i = 0; i < m_items.size(); ++i) {
        if (EqualsIgnoringAsciiCase(ExtensionOf(QFileInfo(m_items[i].FileName).fileName()), extension)) {
            return i;
        }
    }
    return -1;
}

int TLangMgr::ListLanguages(QStringList& names) const
{
    QStringList list;
    for (const auto& item : m_items) {
        list << item.Name;
    }
    names = list;  // one update of the caller's list
    return m_itemIndex;
}

void TLangMgr::SelectLanguage(int index)
{
    if (index >= 0 && index < m_items.size()) {
        m_itemIndex = index;
        // A store that cannot be written says so itself; the language still changes for this run.
        if (m_store) {
            m_store->SetLanguageExtension(
                ExtensionOf(QFileInfo(m_items[index].FileName).fileName()).toStdString());
        }
    }
    // A window may go away while another one re-applies; only windows still registered are told.
    const QList<TLangForm*> windows = m_windowList;
    for (TLangForm* window : windows) {
        if (m_windowList.contains(window)) {
            window->LanguageChanged();
        }
    }
}

QString TLangMgr::CurrentFile() const
{
    if (m_itemIndex < 0 || m_itemIndex >= m_items.size()) {
        return {};
    }
    return m_items[m_itemIndex].FileName;
}

void TLangMgr::RegisterWindow(TLangForm* window)
{
    if (!m_windowList.contains(window)) {
        m_windowList.append(window);
    }
}

void TLangMgr::UnregisterWindow(TLangForm* window)
{
    m_windowList.removeAll(window);
}

QString TLangMgr::LangFileStr(const QString& section, const QString& key, const QString& defaultText) const
{
    // Read the stored choice afresh, as code without a window cannot be told of a change. The
    // file is the found language file of that extension; failing that, the one in the stored
    // program folder.
    const QString extension = WantedExtension();
    if (extension.isEmpty()) {
        return defaultText;
    }
    const int index = IndexOfExtension(extension);
    QString path;
    if (index >= 0) {
        path = m_items[index].FileName;
    } else if (const QString folder = m_store ? QString::fromStdString(m_store->ProgramFolder()) : QString();
               !folder.isEmpty()) {
        path = folder + u'/' + QString::fromLatin1(kFileStem) + extension;
    } else {
        return defaultText;
    }
    const auto file = quorvel::LangFile::Open(path);
    if (!file) {
        return defaultText;
    }
    return file->Value(section.toStdString(), key.toStdString()).value_or(defaultText);
}
