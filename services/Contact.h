// Where users reach the maker: the help menu of the main window and the error report use these.
#pragma once

#include <QString>

namespace Contact {

inline QString homepage()
{
    return QStringLiteral("https://quendo.example.org/");
}

inline QString supportAddress()
{
    return QStringLiteral("hilfe@quendo.example.org");
}

} // namespace Contact
