#include "FakeDialogs.h"
#include "Language.h"
#include "Places.h"
#include "SaveTrouble.h"
#include "Settings.h"
#include "SettingsTable.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {
const QString E = QStringLiteral("Einstellungen");
const QString O = QStringLiteral("Optionen");
const QString kIni = QStringLiteral("Quendo.ini");

// What kind of thing lies at path, and its bytes when it is a regular file.
QByteArray fingerprint(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return "missing";
    if (!S_ISREG(st.st_mode))
        return "mode " + QByteArray::number(st.st_mode & S_IFMT, 8);
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("unreadable");
}

// A settings file with "Sound=0" that no reader may take.
void makeUnusable(const QString &kind, const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (kind == u"pipe") {
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == u"device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else {
        const qsizetype size = kind == u"10 MB" ? 10 * 1024 * 1024 : 1024 * 1024 + 1;
        QByteArray bytes = "[Einstellungen]\r\nSound=0\r\n;";
        bytes += QByteArray(size - bytes.size() - 2, 'x') + "\r\n";
        QCOMPARE(bytes.size(), size);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), size);
    }
}
// The per-user store's file, as the program's start counter writes it.
class UserStoreFile
{
public:
    QString path() const { return m_path; }
    QByteArray bytes() const
    {
        QFile f(m_path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
    }

private:
    QString m_path = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                               QStringLiteral("Quendo"), QStringLiteral("Quendo"))
                         .fileName();
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void freshFolderGivesEveryDefault()
    {
        ProgramFolder folder;
        QCOMPARE(GetIniInt(E, QStringLiteral("numPlayers"), 4), qint16(4));
        QCOMPARE(GetIniString(E, QStringLiteral("Spieler1"), QStringLiteral("Spieler 1")),
                 QStringLiteral("Spieler 1"));
        QCOMPARE(GetIniInt(E, QStringLiteral("Sound"), -1), qint16(-1));
        QCOMPARE(GetIniInt(O, QStringLiteral("Sprache"), 0), qint16(0));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("Quendo.ini"))));
    }

    void readsWhatTheWriterWrote()
    {
        ProgramFolder folder;
        folder.write(QStringLiteral("Quendo.ini"),
                     "[Einstellungen]\r\nnumPlayers= 3\r\nSound=-1\r\nRunden=abc\r\n");
        QCOMPARE(GetIniInt(E, QStringLiteral("numPlayers"), 4), qint16(3));
        QCOMPARE(GetIniInt(E, QStringLiteral("sound"), 0), qint16(-1));
        QCOMPARE(GetIniInt(E, QStringLiteral("Runden"), 20), qint16(0));
    }

    void numberTextsForTheWriters()
    {
        QCOMPARE(numText(4), QStringLiteral(" 4"));
        QCOMPARE(numText(0), QStringLiteral(" 0"));
        QCOMPARE(numText(-1), QStringLiteral("-1"));
        QCOMPARE(numTextPlain(8), QStringLiteral("8"));
        ProgramFolder folder;
        SaveIni(E, QStringLiteral("numPlayers"), numText(4));
        SaveIni(E, QStringLiteral("Letter"), numTextPlain(8));
        QCOMPARE(folder.read(QStringLiteral("Quendo.ini")),
                 QByteArray("[Einstellungen]\r\nnumPlayers= 4\r\nLetter=8\r\n"));
    }

    void longTextsAreCutTo254Characters()
    {
        ProgramFolder folder;
        const QString name30 = QStringLiteral("Maximilian-Alexander von Bergen").left(30);
        SaveIni(E, QStringLiteral("Spieler1"), QStringLiteral("  ") + name30 + QStringLiteral(" "));
        QCOMPARE(GetIniString(E, QStringLiteral("Spieler1"), QString()), name30);

        const QString s254(254, QLatin1Char('x'));
        SaveIni(E, QStringLiteral("passw"), s254);
        QCOMPARE(GetIniString(E, QStringLiteral("passw"), QString()), s254);
        SaveIni(E, QStringLiteral("passw"), s254 + QStringLiteral("yz"));
        QCOMPARE(GetIniString(E, QStringLiteral("passw"), QString()), s254);
    }

    void eachLanguageKeepsItsVocabularyFile()
    {
        ProgramFolder folder;
        SaveIni(E, QStringLiteral("Datei0"), QStringLiteral("tiere.dat"));
        SaveIni(E, QStringLiteral("Datei6000"), QStringLiteral("animaux.dat"));
        QCOMPARE(GetIniString(E, QStringLiteral("Datei0"), QString()), QStringLiteral("tiere.dat"));
        QCOMPARE(GetIniString(E, QStringLiteral("Datei6000"), QString()),
                 QStringLiteral("animaux.dat"));
        QCOMPARE(GetIniString(E, QStringLiteral("Datei1000"), QString()), QString());
    }

    void overflowIsReportedAndIgnoreReadsZero()
    {
        ProgramFolder folder;
        folder.write(QStringLiteral("Quendo.ini"), "[Einstellungen]\r\nRunden=40000\r\n");
        ErrorRecorder errors(ErrAnswer::Ignore);
        QCOMPARE(GetIniInt(E, QStringLiteral("Runden"), 20), qint16(0));
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().module, QStringLiteral("Allgemein"));
        QCOMPARE(errors.errors().first().procedure, QStringLiteral("GetIniInt"));
        QCOMPARE(errors.errors().first().number, ErrNo::Overflow);
        // A default outside 16 bits overflows the same way.
        QCOMPARE(GetIniInt(E, QStringLiteral("missing"), 70000), qint16(0));
        QCOMPARE(errors.errors().size(), 2);
    }

    void retryReadsTheFileAgain()
    {
        ProgramFolder folder;
        folder.write(QStringLiteral("Quendo.ini"), "[Einstellungen]\r\nRunden=-40000\r\n");
        qint16 value = 0;
        {
            ErrorRecorder errors;
            // Mend the file from inside the error report, as a user with an editor would.
            setErrorHandler([&](const ErrorReport &) {
                folder.write(QStringLiteral("Quendo.ini"), "[Einstellungen]\r\nRunden=30\r\n");
                return ErrAnswer::Retry;
            });
            value = GetIniInt(E, QStringLiteral("Runden"), 20);
        }
        QCOMPARE(value, qint16(30));
    }

    void roundTripKeepsCommentsAndForeignSections()
    {
        ProgramFolder folder;
        const QByteArray original = "; written by hand\r\n"
                                    "[Fremd]\r\nSound=5\r\n"
                                    "[Einstellungen]\r\n; the class's names\r\nSpieler1=Anna\r\n"
                                    "numPlayers= 4\r\n";
        folder.write(QStringLiteral("Quendo.ini"), original);
        SaveIni(E, QStringLiteral("Sound"), numText(0));
        SaveIni(E, QStringLiteral("numPlayers"), numText(2));
        SaveIni(O, QStringLiteral("Sprache"), numText(1000));
        QCOMPARE(folder.read(QStringLiteral("Quendo.ini")),
                 QByteArray("; written by hand\r\n"
                            "[Fremd]\r\nSound=5\r\n"
                            "[Einstellungen]\r\n; the class's names\r\nSpieler1=Anna\r\n"
                            "numPlayers= 2\r\nSound= 0\r\n"
                            "[Optionen]\r\nSprache= 1000\r\n"));
        QCOMPARE(GetIniInt(QStringLiteral("fremd"), QStringLiteral("Sound"), 0), qint16(5));
        QCOMPARE(GetIniInt(E, QStringLiteral("Sound"), -1), qint16(0));
    }

    void unwritableFolderLosesTheValueQuietly()
    {
        if (::geteuid() == 0)
            QSKIP("root writes everywhere");
        ProgramFolder folder;
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        ErrorRecorder errors;
        SaveIni(E, QStringLiteral("Back"), numTextPlain(2));
        QCOMPARE(GetIniInt(E, QStringLiteral("Back"), 0), qint16(0));
        QVERIFY(errors.errors().isEmpty());
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Files may not grow past a few bytes, for root as well: as on a full disk, no new copy can
    // be written whole. The teacher hears of it once, in the interface language.
    void aFailedWriteIsToldOnceAndLeavesTheOldFileWhole()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        const QByteArray old = "[Einstellungen]\r\nSpieler1=Anna\r\nSpieler2=Ben\r\nBack=1\r\n";
        folder.write(QStringLiteral("Quendo.ini"), old);
        const UserStoreFile counter;
        Setting::writeStartCount(12);
        const QByteArray oldCount = counter.bytes();
        QVERIFY(oldCount.contains("StartVal=12"));
        FakeDialogs dialogs;
        SettingsNotice notice(dialogs);
        ErrorRecorder errors;
        std::optional<FileSizeLimit> limit(std::in_place, 10);
        // Held back while the start-up has already said that nothing is kept.
        notice.holdBack(true);
        SaveIni(O, QStringLiteral("Sprache"), numText(0));
        notice.holdBack(false);
        SaveIni(E, QStringLiteral("Letter"), numTextPlain(3));
        SaveIni(E, QStringLiteral("Back"), numTextPlain(2));
        Setting::writeStartCount(13);
        limit.reset();
        QCOMPARE(folder.read(QStringLiteral("Quendo.ini")), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 QStringList({"Quendo.ini", "~tmp.lng"}));
        QCOMPARE(counter.bytes(), oldCount);
        QCOMPARE(
            dialogs.texts(),
            QStringList({QStringLiteral("Quendo konnte seine Einstellungen nicht speichern: Der "
                                        "Datenträger ist voll oder Ihr Speicherplatz ist "
                                        "aufgebraucht. Änderungen gehen beim Beenden von "
                                        "Quendo verloren. Die Einstellungsdatei:\n\n") +
                         folder.file(kIni)}));
        QVERIFY(errors.errors().isEmpty());
        setLangFilePath(QString());
    }

    // The start counter alone fails (a folder stands where its file goes): told with its file.
    void aFailedCounterWriteIsTold()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        setCurrentLanguage(Language::fromIndex(1));
        const UserStoreFile counter;
        QFile::remove(counter.path());
        QVERIFY(QDir().mkpath(counter.path()));
        FakeDialogs dialogs;
        SettingsNotice notice(dialogs);
        Setting::writeStartCount(4);
        QVERIFY(QDir(counter.path()).removeRecursively());
        setCurrentLanguage(Language::fromIndex(0));
        setLangFilePath(QString());
        QCOMPARE(dialogs.texts(),
                 QStringList({QStringLiteral("Quendo could not save its settings: the settings "
                                             "file or its folder cannot be written. Changes will "
                                             "be lost when Quendo ends. The settings file:\n\n") +
                              counter.path()}));
    }

    void theTableWritesEachSettingInItsOwnForm()
    {
        ProgramFolder folder;
        Setting::write(Setting::NumPlayers, 3);
        Setting::write(Setting::SoundOn, -1);
        Setting::write(Setting::LetterStyle, 8);
        Setting::write(Setting::Background, 0);
        Setting::write(Setting::hints(4), 0);
        Setting::write(Setting::playerName(2), QStringLiteral(" Ben "));
        Setting::write(Setting::vocabFile(Language::fromIndex(6)), QStringLiteral("animaux.dat"));
        Setting::write(Setting::Language, 6000);
        QCOMPARE(folder.read(QStringLiteral("Quendo.ini")),
                 QByteArray("[Einstellungen]\r\nnumPlayers= 3\r\nSound=-1\r\nLetter=8\r\n"
                            "Back=0\r\nTipps4= 0\r\nSpieler2= Ben \r\nDatei6000=animaux.dat\r\n"
                            "[Optionen]\r\nSprache= 6000\r\n"));
        QCOMPARE(Setting::read(Setting::playerName(2)), QStringLiteral("Ben"));
        QCOMPARE(Setting::read(Setting::playerName(3)), QStringLiteral("Spieler 3"));
        QCOMPARE(Setting::read(Setting::hints(1)), qint16(2));
    }

    void valuesOutOfRangeAreBroughtBack_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("inRange");
        QTest::newRow("players high") << QByteArray("numPlayers=9") << 9 << 4;
        QTest::newRow("players low") << QByteArray("numPlayers=0") << 0 << 1;
        QTest::newRow("rounds") << QByteArray("Runden= 5") << 5 << 10;
        QTest::newRow("letter style") << QByteArray("Letter=77") << 77 << 10;
        QTest::newRow("background") << QByteArray("Back=-4") << -4 << 0;
        QTest::newRow("language between") << QByteArray("Sprache=2500") << 2500 << 0;
        QTest::newRow("language high") << QByteArray("Sprache=7000") << 7000 << 0;
        QTest::newRow("language ok") << QByteArray("Sprache= 3000") << 3000 << 3000;
    }
    void valuesOutOfRangeAreBroughtBack()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, stored);
        QFETCH(int, inRange);
        ProgramFolder folder;
        const bool options = line.startsWith("Sprache");
        folder.write(QStringLiteral("Quendo.ini"),
                     (options ? "[Optionen]\r\n" : "[Einstellungen]\r\n") + line + "\r\n");
        const Setting::Number &setting = options                         ? Setting::Language
                                         : line.startsWith("numPlayers") ? Setting::NumPlayers
                                         : line.startsWith("Runden")     ? Setting::RoundsToPlay
                                         : line.startsWith("Letter")     ? Setting::LetterStyle
                                                                         : Setting::Background;
        QCOMPARE(int(Setting::read(setting)), stored);
        QCOMPARE(int(Setting::readInRange(setting)), inRange);
        QCOMPARE(int(Setting::peek(setting)), inRange);
    }

    void aFirstLookReportsNothing()
    {
        ProgramFolder folder;
        folder.write(QStringLiteral("Quendo.ini"), "[Einstellungen]\r\nLetter=99999\r\n");
        ErrorRecorder errors;
        QCOMPARE(Setting::peek(Setting::LetterStyle), qint16(10));
        QVERIFY(errors.errors().isEmpty());
        QCOMPARE(Setting::read(Setting::LetterStyle), qint16(0)); // reported, then ignored
        QCOMPARE(errors.errors().size(), 1);
    }

    void emptyAndQuotedNumbersReadLikeThePlatform_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("defaultValue");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty sound") << QByteArray("Sound=") << -1 << -1;
        QTest::newRow("empty players") << QByteArray("numPlayers=") << 4 << 4;
        QTest::newRow("blanks only") << QByteArray("numPlayers=   ") << 4 << 4;
        QTest::newRow("empty quotes") << QByteArray("numPlayers=\"\"") << 4 << 4;
        QTest::newRow("double quotes") << QByteArray("numPlayers=\"3\"") << 4 << 3;
        QTest::newRow("single quotes") << QByteArray("numPlayers='2'") << 4 << 2;
        QTest::newRow("plus") << QByteArray("numPlayers=+3") << 4 << 3;
        QTest::newRow("word reads 0") << QByteArray("numPlayers=drei") << 4 << 0;
        QTest::newRow("sign alone reads 0") << QByteArray("Sound=-") << -1 << 0;
    }
    void emptyAndQuotedNumbersReadLikeThePlatform()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, defaultValue);
        QFETCH(int, expected);
        ProgramFolder folder;
        folder.write(kIni, "[Einstellungen]\r\n" + line + "\r\n");
        const QString key = QString::fromLatin1(line.left(line.indexOf('=')));
        ErrorRecorder errors;
        QCOMPARE(int(GetIniInt(E, key, defaultValue)), expected);
        QVERIFY(errors.errors().isEmpty());
    }

    void emptyValuesGiveTheDefaultThroughTheTable()
    {
        ProgramFolder folder;
        folder.write(kIni, "[Einstellungen]\r\nSound=\r\nnumPlayers=\r\nLetter=\r\n");
        QCOMPARE(Setting::read(Setting::SoundOn), qint16(-1));
        QCOMPARE(Setting::readInRange(Setting::NumPlayers), qint16(4));
        QCOMPARE(Setting::peek(Setting::LetterStyle), qint16(8));
    }

    void unusableSettingsFilesAreReportedOnceAndLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ErrNo>("error");
        QTest::newRow("named pipe") << "pipe" << ErrNo::PathFileAccess;
        QTest::newRow("folder") << "folder" << ErrNo::PathFileAccess;
        QTest::newRow("link to /dev/zero") << "device" << ErrNo::PathFileAccess;
        QTest::newRow("10 MB") << "10 MB" << ErrNo::InvalidFileFormat;
        QTest::newRow("one byte over 1 MB") << "1 MB + 1" << ErrNo::InvalidFileFormat;
    }
    void unusableSettingsFilesAreReportedOnceAndLeftAlone()
    {
        QFETCH(QString, kind);
        QFETCH(ErrNo, error);
        ProgramFolder folder;
        makeUnusable(kind, folder.file(kIni));
        const QByteArray before = fingerprint(folder.file(kIni));
        ErrorRecorder errors;
        QCOMPARE(GetIniInt(E, QStringLiteral("Sound"), -1), qint16(-1));
        QCOMPARE(GetIniString(E, QStringLiteral("Spieler1"), QStringLiteral("Spieler 1")),
                 QStringLiteral("Spieler 1"));
        QCOMPARE(Setting::peek(Setting::SoundOn), qint16(-1));
        SaveIni(E, QStringLiteral("Back"), numTextPlain(2));
        QCOMPARE(GetIniInt(E, QStringLiteral("Back"), 0), qint16(0));
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().procedure, QStringLiteral("GetIniInt"));
        QCOMPARE(errors.errors().first().number, error);
        QCOMPARE(fingerprint(folder.file(kIni)), before);
    }

    void aMendedFileIsReadAgainAndNewTroubleReported()
    {
        ProgramFolder folder;
        makeUnusable(QStringLiteral("folder"), folder.file(kIni));
        ErrorRecorder errors;
        QCOMPARE(GetIniInt(E, QStringLiteral("Sound"), -1), qint16(-1));
        QVERIFY(QDir().rmdir(folder.file(kIni)));
        folder.write(kIni, "[Einstellungen]\r\nSound=0\r\n");
        QCOMPARE(GetIniInt(E, QStringLiteral("Sound"), -1), qint16(0));
        QVERIFY(QFile::remove(folder.file(kIni)));
        makeUnusable(QStringLiteral("folder"), folder.file(kIni));
        QCOMPARE(GetIniInt(E, QStringLiteral("Sound"), -1), qint16(-1));
        QCOMPARE(errors.errors().size(), 2);
    }

    void aHandEditedFileKeepsItsLineEnds()
    {
        ProgramFolder folder;
        folder.write(kIni, "[Einstellungen]\rSpieler1=Anna\rSound=0\r");
        QCOMPARE(GetIniString(E, QStringLiteral("Spieler1"), QString()), QStringLiteral("Anna"));
        SaveIni(E, QStringLiteral("Back"), numTextPlain(2));
        SaveIni(E, QStringLiteral("Sound"), numText(-1));
        QCOMPARE(folder.read(kIni),
                 QByteArray("[Einstellungen]\rSpieler1=Anna\rSound=-1\rBack=2\r"));
        QCOMPARE(GetIniString(E, QStringLiteral("Spieler1"), QString()), QStringLiteral("Anna"));
    }

    void aNameBeforeAnExtraCarriageReturnReadsWithoutIt()
    {
        ProgramFolder folder;
        folder.write(kIni, "[Einstellungen]\r\nSpieler1=Anna\r\r\nSound=0\r\n");
        QCOMPARE(GetIniString(E, QStringLiteral("Spieler1"), QString()), QStringLiteral("Anna"));
        SaveIni(E, QStringLiteral("Spieler1"), QStringLiteral("Ben"));
        QCOMPARE(folder.read(kIni), QByteArray("[Einstellungen]\r\nSpieler1=Ben\r\r\nSound=0\r\n"));
    }

    void oddFilesKeepWhatTheyHold_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("playersBefore");
        QTest::addColumn<QByteArray>("added");
        QTest::newRow("without sections") << QByteArray("numPlayers=3\r\nSound=0\r\n") << 4
                                          << QByteArray("[Einstellungen]\r\nnumPlayers= 2\r\n");
        QTest::newRow("a line of 100 000 characters")
            << QByteArray("[Einstellungen]\r\nSpieler1=" + QByteArray(100000, 'x') +
                          "\r\nnumPlayers= 3\r\n")
            << 3 << QByteArray();
        // Random bytes between a first line end and a last byte that are known.
        QByteArray garbage(64 * 1024, Qt::Uninitialized);
        QRandomGenerator random(4711);
        for (char &c : garbage)
            c = char(random.bounded(256));
        garbage.replace(0, 4, QByteArray("\0\xff\r\n", 4));
        garbage.back() = 'z';
        QTest::newRow("binary garbage")
            << garbage << 4 << QByteArray("\r\n[Einstellungen]\r\nnumPlayers= 2\r\n");
    }
    void oddFilesKeepWhatTheyHold()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, playersBefore);
        QFETCH(QByteArray, added);
        ProgramFolder folder;
        folder.write(kIni, before);
        ErrorRecorder errors;
        QCOMPARE(int(GetIniInt(E, QStringLiteral("numPlayers"), 4)), playersBefore);
        QCOMPARE(GetIniString(E, QStringLiteral("Spieler1"), QStringLiteral("Spieler 1")).size(),
                 playersBefore == 3 ? 254 : 9);
        SaveIni(E, QStringLiteral("numPlayers"), numText(2));
        QCOMPARE(int(GetIniInt(E, QStringLiteral("numPlayers"), 4)), 2);
        const QByteArray after = folder.read(kIni);
        if (added.isEmpty()) // the key was there and changed in place
            QCOMPARE(after, QByteArray(before).replace("numPlayers= 3", "numPlayers= 2"));
        else
            QCOMPARE(after, before + added);
        QVERIFY(errors.errors().isEmpty());
    }

    void aReadOnlySettingsFileIsNotReplaced()
    {
        ProgramFolder folder;
        folder.write(kIni, "[Einstellungen]\r\nBack=1\r\n");
        QVERIFY(QFile::setPermissions(folder.file(kIni), QFile::ReadOwner | QFile::ReadGroup));
        installLanguageTable(folder.path());
        FakeDialogs dialogs;
        SettingsNotice notice(dialogs);
        ErrorRecorder errors;
        SaveIni(E, QStringLiteral("Back"), numTextPlain(3));
        SaveIni(E, QStringLiteral("Letter"), numTextPlain(3));
        setLangFilePath(QString());
        QCOMPARE(folder.read(kIni), QByteArray("[Einstellungen]\r\nBack=1\r\n"));
        QCOMPARE(GetIniInt(E, QStringLiteral("Back"), 0), qint16(1));
        QVERIFY(errors.errors().isEmpty());
        QCOMPARE(dialogs.texts(),
                 QStringList({QStringLiteral("Quendo konnte seine Einstellungen nicht speichern: "
                                             "Die Einstellungsdatei oder ihr Ordner ist "
                                             "schreibgeschützt. Änderungen gehen beim Beenden "
                                             "von Quendo verloren. Die Einstellungsdatei:\n\n") +
                              folder.file(kIni)}));
    }

    void aReadOnlyProgramFolderKeepsTheSettingsInTheUsersFolder()
    {
        // Nobody, root included, makes files in /proc: a program folder that takes none.
        setProgramFolder(QStringLiteral("/proc"));
        const auto back = qScopeGuard([] { setProgramFolder(QString()); });
        const QString own =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/Quendo");
        QFile::remove(own + QStringLiteral("/Quendo.ini"));
        ErrorRecorder errors;
        QCOMPARE(settingsFolder(), own);
        SaveIni(E, QStringLiteral("Back"), numTextPlain(2));
        QCOMPARE(GetIniInt(E, QStringLiteral("Back"), 0), qint16(2));
        QFile written(own + QStringLiteral("/Quendo.ini"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("[Einstellungen]\r\nBack=2\r\n"));
        QVERIFY(errors.errors().isEmpty());
    }

    void startCounterLivesInTheUserStore()
    {
        ProgramFolder folder;
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quendo"),
                  QStringLiteral("Quendo"))
            .remove(QStringLiteral("Optionen"));
        QCOMPARE(Setting::readStartCount(), qint16(0));
        Setting::writeStartCount(7);
        QCOMPARE(Setting::readStartCount(), qint16(7));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("Quendo.ini"))));
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quendo"),
                        QStringLiteral("Quendo"));
        QCOMPARE(store.value(QStringLiteral("Optionen/StartVal")).toString(), QStringLiteral("7"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
