#include "Settings.h"
#include "SettingsTable.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

namespace {
const QString E = QStringLiteral("Einstellungen");
const QString O = QStringLiteral("Optionen");
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

    void aFailedWriteLeavesTheOldFileWhole()
    {
        ProgramFolder folder;
        const QByteArray old = "[Einstellungen]\r\nSpieler1=Anna\r\nSpieler2=Ben\r\nBack=1\r\n";
        folder.write(QStringLiteral("Quendo.ini"), old);
        // Files may not grow past 40 bytes now, for root as well: the new copy cannot be
        // written whole.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit small = before;
        small.rlim_cur = 40;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        SaveIni(E, QStringLiteral("Letter"), numTextPlain(3));
        setrlimit(RLIMIT_FSIZE, &before);
        QCOMPARE(folder.read(QStringLiteral("Quendo.ini")), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"Quendo.ini"}));
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
        Setting::write(Setting::vocabFile(6000), QStringLiteral("animaux.dat"));
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
