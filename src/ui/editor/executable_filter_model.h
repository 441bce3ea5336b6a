#pragma once

#include <QSortFilterProxyModel>

namespace quorvel {

// Sits between a file dialog and its file system model: while on, it hides files without an
// executable bit. Folders always stay, so the user can walk to the program.
class ExecutableFilterModel final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit ExecutableFilterModel(QObject* parent = nullptr);

    void SetExecutablesOnly(bool on);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    bool m_executablesOnly = false;
};

}  // namespace quorvel
