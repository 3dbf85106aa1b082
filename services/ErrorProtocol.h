// The error protocol: the text that the error report logs, prints, saves and mails, and the
// files it goes to. No widgets here; the dialog is ErrPtnr in windows/.
#pragma once

#include "ErrorConvention.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

// The report's fixed German/English texts, shared by the dialog and the protocol.
namespace ErrTexts {
inline const QString kFramFehler = QStringLiteral("Fehlerbeschreibung / error description:");
inline const QString kFramProgInfo = QStringLiteral("Programm-Info:");
inline const std::array<QString, 4> kErrTitel = {
    QStringLiteral("Fehler-Nr / error :"), QStringLiteral("Modul:"),
    QStringLiteral("Prozedur / procedure:"), QStringLiteral("Zeile / Line:")};
} // namespace ErrTexts

// The platform fields of the protocol's system info.
struct SystemInfo
{
    QString platform;    // "Linux"
    int major = 0;       // kernel release 6.1.0-18-amd64: 6
    int minor = 0;       // 1
    int build = 0;       // 0, the patch level
    QString servicePack; // the distribution's name, "Debian GNU/Linux 12 (bookworm)"
};

// From the kernel type and release (as uname gives them) and the distribution's name.
SystemInfo systemInfoFrom(const QString &kernelType, const QString &kernelRelease,
                          const QString &distribution);
// Of this machine.
SystemInfo systemInfo();

// The characters before the first NUL; empty when s holds no NUL.
QString CutAtNul(const QString &s);

// "Quendo  V1.31.555"
QString programInfoLine();

// What the report shows of one failure: error ("6 (Overflow)", with the detail after it),
// module, procedure, line.
std::array<QString, 4> reportValues(const ErrorReport &report);

// The protocol, every line ended by CR LF.
QString BuildProtocol(const std::array<QString, 4> &values, const QString &programInfo,
                      const QDateTime &when, const SystemInfo &system);

// The lines as the print button puts them on paper: cut at blanks after 73 columns,
// continuations indented by 20 blanks.
QStringList printedLines(const QString &protocol);

// "<folder>/Quendo.EPT" (the log) or "<folder>/Quendo.ERR" (the saved protocol).
QString logFilePath(const QString &folder);
QString saveFilePath(const QString &folder);

// Appends the protocol and an empty line to the log in folder; false when it cannot.
bool AppendProtocolLog(const QString &folder, const QString &protocol);
// Replaces the file with the protocol and a line end; the old file stays whole on failure.
bool writeProtocolFile(const QString &path, const QString &protocol);
