#include "Settings.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

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
        folder.write(QStringLiteral("Quendo.ini"), "[Einstellungen]\r\nBack=1\r\n");
        // A folder in the way of the temporary copy makes the atomic write fail.
        QDir(folder.path()).mkdir(QStringLiteral("Quendo.ini.lock"));
        SaveIni(E, QStringLiteral("Letter"), numTextPlain(3));
        const QByteArray after = folder.read(QStringLiteral("Quendo.ini"));
        QVERIFY(after == "[Einstellungen]\r\nBack=1\r\n" ||
                after == "[Einstellungen]\r\nBack=1\r\nLetter=3\r\n");
    }

    void startCounterLivesInTheUserStore()
    {
        ProgramFolder folder;
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quendo"),
                  QStringLiteral("Quendo"))
            .remove(QStringLiteral("Optionen"));
        QCOMPARE(readStartCount(), qint16(0));
        writeStartCount(7);
        QCOMPARE(readStartCount(), qint16(7));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("Quendo.ini"))));
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quendo"),
                        QStringLiteral("Quendo"));
        QCOMPARE(store.value(QStringLiteral("Optionen/StartVal")).toString(), QStringLiteral("7"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
