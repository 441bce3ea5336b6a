#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace quorvel::test {

// A command line as the program receives it: its name first, then `arguments`.
inline QStringList Args(std::initializer_list<const char*> arguments)
{
    QStringList list{QStringLiteral("quorvel")};
    for (const char* argument : arguments) {
        list.append(QString::fromUtf8(argument));
    }
    return list;
}

}  // namespace quorvel::test
