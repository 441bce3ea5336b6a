#include "app/lang_template_command.h"

#include <QFile>
#include <QTextStream>

#include "app/lang_template_windows.h"
#include "core/app_info.h"
#include "core/io/atomic_file.h"
#include "ui/lang/lang_template.h"

namespace quorvel {

namespace {

// Windows built without a display make Qt remark on what it lacks (a tray, a screen); none of it
// matters for reading their texts.
void IgnoreQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int WriteLanguageTemplateCommand(const QString& path, QTextStream& err)
{
    QString error;
    const QtMessageHandler previous = qInstallMessageHandler(IgnoreQtMessages);
    const auto windows = LanguageTemplateWindows();
    const std::string contents = BuildLanguageTemplate(windows, LangMessageCatalog(), error);
    qInstallMessageHandler(previous);
    if (contents.empty()) {
        err << kProductName << ": cannot build the language template: " << error << Qt::endl;
        return 1;
    }
    const std::string failed = WriteFileAtomically(QFile::encodeName(path).toStdString(), contents, 0644);
    if (!failed.empty()) {
        err << kProductName << ": " << QString::fromStdString(failed) << Qt::endl;
        return 1;
    }
    return 0;
}

}  // namespace quorvel
