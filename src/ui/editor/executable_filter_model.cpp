#include "ui/editor/executable_filter_model.h"

#include <QFileSystemModel>

namespace quorvel {

ExecutableFilterModel::ExecutableFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {}

void ExecutableFilterModel::SetExecutablesOnly(bool on)
{
    if (on != m_executablesOnly) {
        m_executablesOnly = on;
        invalidateFilter();
    }
}

bool ExecutableFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (!m_executablesOnly) {
        return true;
    }
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr) {
        return true;
    }
    const QFileInfo info = files->fileInfo(files->index(sourceRow, 0, sourceParent));
    return info.isDir() || info.isExecutable();
}

}  // namespace quorvel
