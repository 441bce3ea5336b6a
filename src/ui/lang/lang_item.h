#pragma once

#include <QString>

// One language file found beside the program.
struct TLangItem {
    QString Name;      // General/Language, "<Unknown>" when absent
    QString FileName;  // full path
};
