#include "Settings.h"

#include "ErrorConvention.h"
#include "IniFile.h"
#include "Places.h"
#include "RegularFile.h"
#include "SaveTrouble.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>

namespace {

constexpr qsizetype kMaxValue = 254;
// Far more than any settings file the program writes; a larger one is not a settings file.
constexpr qint64 kMaxIniBytes = 1024 * 1024;

QString &reportedTrouble()
{
    static QString trouble;
    return trouble;
}

ErrNo errorFor(RegularFile::Status status)
{
    switch (status) {
    case RegularFile::TooLarge:
        return ErrNo::InvalidFileFormat;
    case RegularFile::Unreadable:
        return ErrNo::PermissionDenied;
    default:
        return ErrNo::PathFileAccess;
    }
}

// The settings file as it is now. A file that is there but cannot be used is trouble to report,
// once for each file and kind of trouble (twenty reads at start-up must not bring twenty
// reports); it reads as missing and is never written over.
struct IniRead
{
    RegularFile file;
    std::optional<RunTimeError> trouble;

    // Raised after the caller's result is set, so that Ignore and Retry go on with it.
    void raiseTrouble() const
    {
        if (trouble)
            throw *trouble;
    }
};

IniRead readIni()
{
    const QString path = iniPath();
    IniRead read{readRegularFile(path, kMaxIniBytes), std::nullopt};
    const QString tag = path + u'|';
    if (read.file.status == RegularFile::Ok || read.file.status == RegularFile::Missing) {
        if (reportedTrouble().startsWith(tag))
            reportedTrouble().clear();
        return read;
    }
    const QString trouble = tag + QString::number(read.file.status);
    if (reportedTrouble() != trouble) {
        reportedTrouble() = trouble;
        read.trouble = RunTimeError(errorFor(read.file.status),
                                    path + QStringLiteral(": ") +
                                        regularFileProblem(read.file.status, kMaxIniBytes) +
                                        QStringLiteral("; the settings are neither read nor "
                                                       "written"));
    }
    return read;
}

std::optional<QString> lookUp(const RegularFile &file, const QString &section, const QString &key)
{
    if (file.status != RegularFile::Ok)
        return std::nullopt;
    return IniFile::read(file.bytes, section, key);
}

} // namespace

QString iniPath()
{
    return settingsFolder() + QLatin1Char('/') + kAppTitle + QStringLiteral(".ini");
}

qint16 GetIniInt(const QString &section, const QString &key, qint32 defaultValue)
{
    qint16 result = 0;
    Procedure proc(Proc::Allgemein::GetIniInt);
    proc.step([&] {
        const IniRead read = readIni();
        // An empty value is no number: a key emptied by hand means "not set", so the default
        // stands.
        const auto value = lookUp(read.file, section, key);
        result = checkedInt16(value && !value->isEmpty() ? IniFile::leadingNumber(*value)
                                                         : defaultValue);
        read.raiseTrouble();
    });
    return result;
}

QString GetIniString(const QString &section, const QString &key, const QString &defaultValue)
{
    QString result;
    Procedure proc(Proc::Allgemein::GetIniString);
    proc.step([&] {
        const IniRead read = readIni();
        result = lookUp(read.file, section, key).value_or(defaultValue).left(kMaxValue);
        read.raiseTrouble();
    });
    return result;
}

std::optional<QString> peekIni(const QString &section, const QString &key)
{
    return lookUp(readRegularFile(iniPath(), kMaxIniBytes), section, key);
}

void SaveIni(const QString &section, const QString &key, const QString &value)
{
    SaveIniValues({{section, key, value}});
}

void SaveIniValues(const QList<IniValue> &values)
{
    Procedure proc(Proc::Allgemein::SaveIni);
    proc.step([&] {
        const IniRead read = readIni();
        read.raiseTrouble();
        // Only a file read whole may be replaced: anything else would be lost with the new copy.
        if (read.file.status != RegularFile::Ok && read.file.status != RegularFile::Missing)
            return;
        // A file or folder that cannot be written loses the value; the user hears of it once.
        const QString path = iniPath();
        if (markedReadOnly(path)) {
            settingsNotSaved(WriteTrouble::Refused, path);
            return;
        }
        QByteArray updated = read.file.bytes;
        for (const IniValue &v : values)
            updated = IniFile::write(updated, v.section, v.key, v.value);
        QSaveFile out(path);
        errno = 0;
        if (out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
            out.write(updated) == updated.size() && out.commit())
            return;
        const int err = errno;
        out.cancelWriting();
        settingsNotSaved(writeTroubleAt(settingsFolder(), err), path);
    });
}

bool iniKeepsExactly(const QString &section, const QString &key, const QString &value)
{
    const auto back =
        IniFile::read(IniFile::write(QByteArray(), section, key, value), section, key);
    return back && back->left(kMaxValue) == value;
}

QString numText(qint32 value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString numTextPlain(qint32 value)
{
    return QString::number(value);
}
