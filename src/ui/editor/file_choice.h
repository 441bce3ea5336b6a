#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace quorvel {

class ModalHost;

// What a "..." picker asks for: an existing file, offered through these name filters (Qt's
// "Name (patterns)" form), the first one selected.
struct FileChoice {
    QStringList nameFilters;
    // The first filter shows only files the user may run: a program has no ".exe" to match here,
    // only its executable bit.
    bool firstFilterExecutablesOnly = false;
};

// Runs a file choice for a window and returns the chosen file's full path, or an empty text when
// the user cancelled. The editor and its program chooser share the one they are given, so tests
// can answer it.
using FileChooser = std::function<QString(QWidget& parent, const FileChoice& choice)>;

// The real chooser: an open-file dialog run through `modal`, for existing files only and without a
// read-only option.
QString RunFileDialog(const ModalHost& modal, QWidget& parent, const FileChoice& choice);

}  // namespace quorvel
