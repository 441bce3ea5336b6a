#include "ui/editor/file_choice.h"

#include <QFileDialog>

#include "ui/editor/executable_filter_model.h"
#include "ui/modal/modal_host.h"

namespace quorvel {

QString RunFileDialog(const ModalHost& modal, QWidget& parent, const FileChoice& choice)
{
    QFileDialog dialog(&parent);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The filter names are what the user reads ("Sound files"), the patterns stay out of sight;
    // our own dialog, since only it takes the executable filter.
    dialog.setOptions(QFileDialog::ReadOnly | QFileDialog::HideNameFilterDetails |
                      QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(choice.nameFilters);
    if (choice.firstFilterExecutablesOnly && !choice.nameFilters.isEmpty()) {
        auto* executables = new ExecutableFilterModel(&dialog);
        dialog.setProxyModel(executables);
        executables->SetExecutablesOnly(true);
        const QString first = choice.nameFilters.front();
        QObject::connect(&dialog, &QFileDialog::filterSelected, executables,
                         [executables, first](const QString& filter) {
                             executables->SetExecutablesOnly(filter == first);
                         });
    }
    dialog.selectFile(QString());
    if (modal.RunDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

}  // namespace quorvel
