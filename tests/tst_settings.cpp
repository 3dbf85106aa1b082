#include "FakeDialogs.h"
#include "Language.h"
#include "SaveTrouble.h"
#include "Settings.h"
#include "SettingsTable.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>

namespace {
const QString E = QStringLiteral("Einstellungen");
const QString kIni = QStringLiteral("Quendo.ini");

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

// What kind of thing lies at path, and its bytes when it is a regular file.
QByteArray fingerprint(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? "link"
           : info.isDir()   ? "folder"
           : info.isFile()  ? bytesOf(path)
                            : "other";
}

// A settings file with "Sound=0" that no reader may take.
void makeUnusable(const QString &kind, const QString &path)
{
    if (kind == u"pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == u"device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else {
        const qsizetype size = kind == u"10 MB" ? 10 * 1024 * 1024 : 1024 * 1024 + 1;
        const QByteArray head = "[Einstellungen]\r\nSound=0\r\n;";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(head + QByteArray(size - head.size() - 2, 'x') + "\r\n"), size);
    }
}

// The per-user store's file, where the program's start counter goes.
QString storePath()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quendo"),
                     QStringLiteral("Quendo"))
        .fileName();
}

} // namespace

Q_DECLARE_METATYPE(Setting::Number)

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void freshFolderGivesEveryDefault()
    {
        ProgramFolder folder;
        const std::pair<Setting::Number, int> defaults[] = {
            {Setting::NumPlayers, 4},  {Setting::RoundsToPlay, 20}, {Setting::MinLength, 4},
            {Setting::RepeatMode, 1},  {Setting::ShowSolution, 1},  {Setting::SoundOn, -1},
            {Setting::LetterStyle, 8}, {Setting::Background, 0},    {Setting::hints(1), 2},
            {Setting::hints(4), 2},    {Setting::Language, 0}};
        for (const auto &[setting, value] : defaults) {
            QVERIFY2(Setting::read(setting) == value, qPrintable(setting.key));
            QVERIFY2(Setting::peek(setting) == value, qPrintable(setting.key));
        }
        QCOMPARE(Setting::read(Setting::playerName(3)), QStringLiteral("Spieler 3"));
        QCOMPARE(Setting::read(Setting::Password), QString());
        QCOMPARE(Setting::read(Setting::vocabFile(Language::fromIndex(3))), QString());
        QVERIFY(!QFile::exists(folder.file(kIni)));
    }

    // Read as stored, and brought into range by the readers that need it; the file is left as
    // it was and nothing is reported.
    void valuesOutOfRangeAreBroughtBack_data()
    {
        QTest::addColumn<Setting::Number>("setting");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("inRange");
        const auto row = [](const char *name, const Setting::Number &setting, const char *stored,
                            int read, int inRange) {
            QTest::newRow(name) << setting << QByteArray(stored) << read << inRange;
        };
        row("players 0", Setting::NumPlayers, "0", 0, 1);
        row("players 1", Setting::NumPlayers, "1", 1, 1);
        row("players 9", Setting::NumPlayers, "9", 9, 4);
        row("players empty", Setting::NumPlayers, "  ", 4, 4);
        row("rounds 5", Setting::RoundsToPlay, "5", 5, 10);
        row("rounds 50", Setting::RoundsToPlay, " 50", 50, 50);
        row("rounds 999", Setting::RoundsToPlay, "999", 999, 50);
        row("minimum length 0", Setting::MinLength, "0", 0, 1);
        row("minimum length 40", Setting::MinLength, "40", 40, 10);
        row("hints -3", Setting::hints(2), "-3", -3, 0);
        row("hints 7", Setting::hints(3), "7", 7, 3);
        row("sound empty", Setting::SoundOn, "", -1, -1);
        row("letter style 77", Setting::LetterStyle, "77", 77, 10);
        row("background -4", Setting::Background, "-4", -4, 0);
        row("language 2500", Setting::Language, "2500", 2500, 0);
        row("language 7000", Setting::Language, "7000", 7000, 0);
        row("language -1000", Setting::Language, "-1000", -1000, 0);
        row("language 6000", Setting::Language, " 6000", 6000, 6000);
    }
    void valuesOutOfRangeAreBroughtBack()
    {
        QFETCH(Setting::Number, setting);
        QFETCH(QByteArray, stored);
        QFETCH(int, read);
        QFETCH(int, inRange);
        ProgramFolder folder;
        const QByteArray file =
            '[' + setting.section.toLatin1() + "]\r\n" + setting.key.toLatin1() + '=' + stored;
        folder.write(kIni, file);
        ErrorRecorder errors;
        QCOMPARE(int(Setting::read(setting)), read);
        QCOMPARE(int(Setting::readInRange(setting)), inRange);
        QCOMPARE(int(Setting::peek(setting)), inRange);
        QCOMPARE(folder.read(kIni), file);
        QVERIFY(errors.errors().isEmpty());
    }

    void eachSettingIsWrittenInItsOwnForm()
    {
        ProgramFolder folder;
        Setting::write(Setting::NumPlayers, 3);
        Setting::write(Setting::SoundOn, -1);
        Setting::write(Setting::LetterStyle, 8);
        Setting::write(Setting::Background, 0);
        Setting::write(Setting::hints(4), 0);
        Setting::write(Setting::playerName(2), QStringLiteral(" Ben "));
        for (const int index : {0, 1, 6})
            Setting::write(Setting::vocabFile(Language::fromIndex(index)),
                           QStringLiteral("list%1.dat").arg(index));
        Setting::write(Setting::Password, QString(256, u'x'));
        Setting::write(Setting::Language, 6000);
        QCOMPARE(folder.read(kIni),
                 "[Einstellungen]\r\nnumPlayers= 3\r\nSound=-1\r\nLetter=8\r\nBack=0\r\n"
                 "Tipps4= 0\r\nSpieler2= Ben \r\nDatei0=list0.dat\r\nDatei1000=list1.dat\r\n"
                 "Datei6000=list6.dat\r\npassw=" +
                     QByteArray(256, 'x') + "\r\n[Optionen]\r\nSprache= 6000\r\n");
        QCOMPARE(Setting::read(Setting::playerName(2)), QStringLiteral("Ben"));
        QCOMPARE(Setting::read(Setting::vocabFile(Language::fromIndex(1))),
                 QStringLiteral("list1.dat"));
        QCOMPARE(Setting::read(Setting::Password), QString(254, u'x'));
        // The start counter lives in the per-user store, written without a blank.
        QFile::remove(storePath());
        QCOMPARE(Setting::readStartCount(), qint16(0));
        Setting::writeStartCount(7);
        QCOMPARE(Setting::readStartCount(), qint16(7));
        QCOMPARE(bytesOf(storePath()), QByteArray("[Optionen]\r\nStartVal=7\r\n"));
    }

    void anOverflowIsReportedThenIgnoredOrReadAgain()
    {
        ProgramFolder folder;
        folder.write(kIni, "[Einstellungen]\r\nRunden=40000\r\nLetter=-99999\r\n");
        ErrorRecorder errors(ErrAnswer::Ignore);
        // A first look ahead of the windows reports nothing.
        QCOMPARE(Setting::peek(Setting::LetterStyle), qint16(0));
        QVERIFY(errors.errors().isEmpty());
        QCOMPARE(Setting::read(Setting::RoundsToPlay), qint16(0));
        QCOMPARE(GetIniInt(E, QStringLiteral("missing"), 70000), qint16(0));
        QCOMPARE(errors.errors().size(), 2);
        QCOMPARE(errors.errors().first().module, QStringLiteral("Allgemein"));
        QCOMPARE(errors.errors().first().procedure, QStringLiteral("GetIniInt"));
        QCOMPARE(errors.errors().first().number, ErrNo::Overflow);
        // Retry, the file mended from inside the error report as a user with an editor would.
        setErrorHandler([&](const ErrorReport &) {
            folder.write(kIni, "[Einstellungen]\r\nRunden=30\r\n");
            return ErrAnswer::Retry;
        });
        QCOMPARE(Setting::read(Setting::RoundsToPlay), qint16(30));
    }

    // A full disk (files may not grow past a few bytes, for root as well) or a file marked
    // read-only: the teacher hears of it once, in the interface language, with the first file
    // that failed; the files stay whole.
    void aFailedWriteIsToldOnceAndLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("full disk") << true << 0
                                   << "Quendo konnte seine Einstellungen nicht speichern: Der "
                                      "Datenträger ist voll oder Ihr Speicherplatz ist "
                                      "aufgebraucht. Änderungen gehen beim Beenden von Quendo "
                                      "verloren. Die Einstellungsdatei:\n\n";
        QTest::newRow("read-only file") << false << 1
                                        << "Quendo could not save its settings: the settings "
                                           "file or its folder cannot be written. Changes will be "
                                           "lost when Quendo ends. The settings file:\n\n";
    }
    void aFailedWriteIsToldOnceAndLeavesTheOldFileWhole()
    {
        QFETCH(bool, full);
        QFETCH(int, language);
        QFETCH(QString, text);
        ProgramFolder folder;
        installLanguageTable(folder.path());
        setCurrentLanguage(Language::fromIndex(language));
        const QByteArray old = "[Einstellungen]\r\nSpieler1=Anna\r\nBack=1\r\n";
        folder.write(kIni, old);
        if (!full)
            QVERIFY(QFile::setPermissions(folder.file(kIni), QFile::ReadOwner | QFile::ReadGroup));
        Setting::writeStartCount(12);
        FakeDialogs dialogs;
        SettingsNotice notice(dialogs);
        ErrorRecorder errors;
        std::optional<FileSizeLimit> limit;
        if (full)
            limit.emplace(10);
        // Held back while the start-up has already said that nothing is kept.
        notice.holdBack(true);
        Setting::write(Setting::Language, 1000);
        notice.holdBack(false);
        Setting::writeStartCount(13);
        Setting::write(Setting::LetterStyle, 3);
        Setting::write(Setting::Background, 2);
        limit.reset();
        setLangFilePath(QString());
        setCurrentLanguage(Language());
        QCOMPARE(folder.read(kIni), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({kIni, "~tmp.lng"}));
        QCOMPARE(Setting::readStartCount(), qint16(full ? 12 : 13));
        QCOMPARE(dialogs.texts(), QStringList({text + (full ? storePath() : folder.file(kIni))}));
        QVERIFY(errors.errors().isEmpty());
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
        const QString ini = folder.file(kIni);
        makeUnusable(kind, ini);
        const QByteArray before = fingerprint(ini);
        ErrorRecorder errors;
        QCOMPARE(Setting::read(Setting::SoundOn), qint16(-1));
        QCOMPARE(Setting::read(Setting::playerName(1)), QStringLiteral("Spieler 1"));
        QCOMPARE(Setting::peek(Setting::SoundOn), qint16(-1));
        Setting::write(Setting::Background, 2);
        QCOMPARE(Setting::read(Setting::Background), qint16(0));
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().procedure, QStringLiteral("GetIniInt"));
        QCOMPARE(errors.errors().first().number, error);
        QCOMPARE(fingerprint(ini), before);
        // Mended, it is read again; the same trouble once more is reported once more.
        QVERIFY(QDir().rmdir(ini) || QFile::remove(ini));
        folder.write(kIni, "[Einstellungen]\r\nSound=0\r\n");
        QCOMPARE(Setting::read(Setting::SoundOn), qint16(0));
        QVERIFY(QFile::remove(ini));
        makeUnusable(kind, ini);
        QCOMPARE(Setting::read(Setting::SoundOn), qint16(-1));
        QCOMPARE(errors.errors().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
