#include "SettingsTable.h"

#include "IniFile.h"
#include "RegularFile.h"
#include "RunTimeError.h"
#include "SaveTrouble.h"
#include "Settings.h"
#include "TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <limits>

namespace Setting {

namespace {

const QString kGame = QStringLiteral("Einstellungen");
const QString kOptions = QStringLiteral("Optionen");
constexpr qint16 kLeast = std::numeric_limits<qint16>::min();
constexpr qint16 kMost = std::numeric_limits<qint16>::max();

QString numberText(const Number &setting, qint32 value)
{
    return setting.form == NumberForm::Blank ? numText(value) : numTextPlain(value);
}

// The per-user store of the platform (~/.config/Quendo/Quendo.conf on Linux).
class UserStore : public QSettings
{
public:
    UserStore() : QSettings(QSettings::NativeFormat, QSettings::UserScope, kAppTitle, kAppTitle) {}
};

const QString kStartCountKey = QStringLiteral("StartVal");
// Far more than the store ever holds.
constexpr qint64 kMaxStoreBytes = 64 * 1024;

} // namespace

// Only the values the rules know are in range where a reader brings values into range; the
// rules themselves take any stored repetition, solution and sound value as it stands.
const Number NumPlayers{kGame, QStringLiteral("numPlayers"), 4, 1, kMaxPlayers};
const Number RoundsToPlay{kGame, QStringLiteral("Runden"), 20, 10, 50};
const Number MinLength{kGame, QStringLiteral("minLen"), 4, 1, 10};
const Number RepeatMode{kGame, QStringLiteral("Wiederholung"), 1, 0, 1};
const Number ShowSolution{kGame, QStringLiteral("Anzeige"), 1, -1, 1};
const Number SoundOn{kGame, QStringLiteral("Sound"), -1, kLeast, kMost};
const Number SpeechOn{kGame, QStringLiteral("Vorlesen"), 0, kLeast, kMost};
const Number LetterStyle{kGame, QStringLiteral("Letter"), 8, 0, 10, NumberForm::Plain};
const Number Background{kGame, QStringLiteral("Back"), 0, 0, 3, NumberForm::Plain};
const Number Language{kOptions, QStringLiteral("Sprache"), 0,    0,
                      6000,     NumberForm::Blank,         1000, OutOfRange::Default};
const Text Password{kGame, QStringLiteral("passw"), QString()};

Number hints(int player)
{
    return {kGame, QStringLiteral("Tipps") + QString::number(player), 2, 0, 3};
}

Text playerName(int player)
{
    const QString n = QString::number(player);
    return {kGame, QStringLiteral("Spieler") + n, QStringLiteral("Spieler ") + n};
}

Text vocabFile(::Language language)
{
    return {kGame, QStringLiteral("Datei") + numTextPlain(language.base()), QString()};
}

bool Number::inRange(qint32 value) const
{
    return value >= least && value <= most && (value - least) % step == 0;
}

qint16 Number::brought(qint32 value) const
{
    if (inRange(value))
        return qint16(value);
    if (outOfRange == OutOfRange::Default)
        return defaultValue;
    return qint16(std::clamp<qint32>(value, least, most));
}

qint16 read(const Number &setting)
{
    return GetIniInt(setting.section, setting.key, setting.defaultValue);
}

qint16 readInRange(const Number &setting)
{
    return setting.brought(read(setting));
}

qint16 peek(const Number &setting)
{
    const std::optional<QString> stored = peekIni(setting.section, setting.key);
    if (!stored || stored->isEmpty())
        return setting.defaultValue;
    return setting.brought(IniFile::leadingNumber(*stored));
}

void write(const Number &setting, qint16 value)
{
    SaveIni(setting.section, setting.key, numberText(setting, value));
}

QString read(const Text &setting)
{
    return GetIniString(setting.section, setting.key, setting.defaultValue);
}

void write(const Text &setting, const QString &value)
{
    SaveIni(setting.section, setting.key, value);
}

void Changes::set(const Number &setting, qint16 value)
{
    m_values.append({setting.section, setting.key, numberText(setting, value)});
}

void Changes::set(const Text &setting, const QString &value)
{
    m_values.append({setting.section, setting.key, value});
}

qint16 readStartCount()
{
    // Read from the file itself: the platform's store may still hold what it read before the
    // last write and miss a change of the same size within the same moment.
    const RegularFile file = readRegularFile(UserStore().fileName(), kMaxStoreBytes);
    const std::optional<QString> stored = file.status == RegularFile::Ok
                                              ? IniFile::read(file.bytes, kOptions, kStartCountKey)
                                              : std::nullopt;
    return checkedInt16(IniFile::leadingNumber(stored.value_or(QString())));
}

void writeStartCount(qint16 value)
{
    // Written as the settings file is, so that a failed write leaves the old file whole and
    // says why; the platform's store keeps a change it could not write and writes it later.
    const QString path = UserStore().fileName();
    const QString folder = QFileInfo(path).path();
    QDir().mkpath(folder);
    const RegularFile old = readRegularFile(path, kMaxStoreBytes);
    const QByteArray bytes =
        IniFile::write(old.status == RegularFile::Ok ? old.bytes : QByteArray(), kOptions,
                       kStartCountKey, numTextPlain(value));
    const FileReplaced written = replaceFile(path, bytes);
    if (written.failed != FileReplaced::Done)
        settingsNotSaved(writeTroubleAt(folder, written.err), path);
}

} // namespace Setting
