#include "Settings.h"

#include "ErrorConvention.h"
#include "IniFile.h"
#include "Places.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace {

constexpr qsizetype kMaxValue = 254;

QByteArray readIni()
{
    QFile file(iniPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::optional<QString> lookUp(const QString &section, const QString &key)
{
    const QByteArray content = readIni();
    if (content.isNull())
        return std::nullopt;
    return IniFile::read(content, section, key);
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
        const auto value = lookUp(section, key);
        result = checkedInt16(value ? IniFile::leadingNumber(*value) : defaultValue);
    });
    return result;
}

QString GetIniString(const QString &section, const QString &key, const QString &defaultValue)
{
    QString result;
    Procedure proc(Proc::Allgemein::GetIniString);
    proc.step([&] { result = lookUp(section, key).value_or(defaultValue).left(kMaxValue); });
    return result;
}

void SaveIni(const QString &section, const QString &key, const QString &value)
{
    Procedure proc(Proc::Allgemein::SaveIni);
    proc.step([&] {
        // A folder that cannot be written loses the value without a message.
        const QByteArray updated = IniFile::write(readIni(), section, key, value);
        QSaveFile file(iniPath());
        if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
            file.write(updated) == updated.size())
            file.commit();
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
