#include "ErrorProtocol.h"

#include "Catalogue.h"
#include "Cp1252.h"
#include "Settings.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSysInfo>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString withSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

SystemInfo systemInfoFrom(const QString &kernelType, const QString &kernelRelease,
                          const QString &distribution)
{
    SystemInfo info;
    info.platform = kernelType.compare(QStringLiteral("linux"), Qt::CaseInsensitive) == 0
                        ? QStringLiteral("Linux")
                        : kernelType;
    static const QRegularExpression numbers(QStringLiteral("^(\\d+)\\.(\\d+)(?:\\.(\\d+))?"));
    const QRegularExpressionMatch m = numbers.match(kernelRelease);
    if (m.hasMatch()) {
        info.major = m.captured(1).toInt();
        info.minor = m.captured(2).toInt();
        info.build = int(m.captured(3).toLongLong() & 0xFFFF);
    }
    // The name passes through a field of 128 characters and its end mark.
    info.servicePack = CutAtNul(distribution.left(128) + QChar(0));
    return info;
}

SystemInfo systemInfo()
{
    return systemInfoFrom(QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                          QSysInfo::prettyProductName());
}

QString CutAtNul(const QString &s)
{
    const qsizetype nul = s.indexOf(QChar(0));
    return nul < 0 ? QString() : s.left(nul);
}

QString programInfoLine()
{
    const Catalogue::Version v = Catalogue::kVersion;
    return kAppTitle + QStringLiteral("  V%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
}

std::array<QString, 4> reportValues(const ErrorReport &report)
{
    return {report.error.description(), report.module, report.procedure,
            QString::number(report.line)};
}

QString BuildProtocol(const std::array<QString, 4> &values, const QString &programInfo,
                      const QDateTime &when, const SystemInfo &system)
{
    const QString rule = QString(70, QLatin1Char('-')) + kCrLf;
    const QString indent(10, QLatin1Char(' '));
    const QChar tab(9);
    QString p = rule;
    p += QStringLiteral("F E H L E R P R O T O K O L L  /  E R R O R   P R O T O C O L L") + kCrLf;
    p += rule;
    p += ErrTexts::kFramProgInfo.toUpper() + kCrLf;
    p += indent + programInfo + kCrLf;
    p += rule;
    p += ErrTexts::kFramFehler.toUpper() + kCrLf;
    for (size_t i = 0; i < values.size(); ++i)
        p += indent + ErrTexts::kErrTitel[i] + tab + values[i] + kCrLf;
    p += indent + QStringLiteral("Datum/Uhrzeit (Date/Time):") + tab +
         when.toString(QStringLiteral("MM-dd-yyyy / HH:mm:ss")) + kCrLf;
    p += rule;
    p += QStringLiteral("SYSTEMINFO:") + kCrLf;
    p += indent + QStringLiteral("Plattform/Environment:") + tab + system.platform + kCrLf;
    p += indent + QStringLiteral("Version:") + tab + QString::number(system.major) +
         QLatin1Char('.') + QString::number(system.minor) + kCrLf;
    p += indent + QStringLiteral("Build:") + tab + QString::number(system.build & 0xFFFF) +
         QStringLiteral("   ") + system.servicePack + kCrLf;
    p += rule;
    return p;
}

QStringList printedLines(const QString &protocol)
{
    constexpr qsizetype kColumns = 73;
    const QString continuation(20, QLatin1Char(' '));
    const QString text = protocol + kCrLf;
    QStringList printed;
    qsizetype end = 0;
    for (qsizetype start = 0; (end = text.indexOf(kCrLf, start)) >= 0; start = end + 2) {
        const QString line = text.mid(start, end - start) + QLatin1Char(' ');
        QString waiting;
        qsizetype count = 0;
        for (qsizetype from = 0; from < line.size();) {
            const qsizetype blank = line.indexOf(QLatin1Char(' '), from);
            const QStringView word = QStringView(line).mid(from, blank - from + 1);
            count += word.size();
            if (count > kColumns) {
                if (!waiting.isEmpty()) {
                    printed.append(waiting);
                    waiting = continuation;
                }
                count = word.size();
            }
            waiting += word;
            from = blank + 1;
        }
        if (!waiting.isEmpty())
            printed.append(waiting);
    }
    return printed;
}

QString logFilePath(const QString &folder)
{
    return withSeparator(folder) + kAppTitle + QStringLiteral(".EPT");
}

QString saveFilePath(const QString &folder)
{
    return withSeparator(folder) + kAppTitle + QStringLiteral(".ERR");
}

bool AppendProtocolLog(const QString &folder, const QString &protocol)
{
    QFile log(logFilePath(folder));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = Cp1252::encode(protocol + kCrLf);
    return log.write(bytes) == bytes.size() && log.flush();
}

bool writeProtocolFile(const QString &path, const QString &protocol)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = Cp1252::encode(protocol + kCrLf);
    return file.write(bytes) == bytes.size() && file.commit();
}
