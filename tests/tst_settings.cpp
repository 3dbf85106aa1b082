// The settings file: its ini layer (sections, keys, line ends, quotes, numbers, Windows-1252)
// and the settings stored in it.
#include "Cp1252.h"
#include "FakeDialogs.h"
#include "IniFile.h"
#include "Language.h"
#include "Settings.h"
#include "SettingsNotice.h"
#include "SettingsTable.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <cerrno>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
namespace S = Setting;
Q_DECLARE_METATYPE(Setting::Number)

namespace {
const QString kIni = u"Quendo.ini"_s;

// A settings file with "Sound=0" that no reader may take.
void makeUnusable(const QString &kind, const QString &path)
{
    if (kind == u"pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        const qsizetype size = 1024 * 1024 + 1;
        const QByteArray head = "[Einstellungen]\r\nSound=0\r\n;";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(head + QByteArray(size - head.size() - 2, 'x') + "\r\n"), size);
    }
}

// The per-user store's file, where the program's start counter goes.
QString storePath()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Quendo"_s, u"Quendo"_s)
        .fileName();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(storePath()); // each run starts as on a fresh machine
    }

    // "<none>": no such section or key.
    void readsTheValueOfItsSectionAndKey_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const auto row = [](const char *name, const QByteArray &ini, const char *section,
                            const char *key, const QString &value) {
            QTest::newRow(name) << ini << QString::fromLatin1(section) << QString::fromLatin1(key)
                                << value;
        };
        const QByteArray two = "top=1\n[A]\n;x=y\nk=a\n[B]\nk=b\n[a]\nk=second\nlate=1\n";
        row("names without case", "[Einst]\r\n  SOUND = -1 \t\r\n", "einst", "Sound", "-1");
        row("first section of a name", two, "A", "k", "a");
        row("other section", two, "B", "k", "b");
        row("key outside any section", two, "C", "top", "<none>");
        row("comment", two, "A", ";x", "<none>");
        row("only in a later section of the name", two, "A", "late", "<none>");
        row("empty value", "[A]\r\nk=\r\n", "A", "k", "");
        row("Windows-1252", "[A]\r\nk=J\xF6rg\r\n", "A", "k", QStringLiteral("Jörg"));
        row("CR before CR LF", "[E]\r\nSpieler1=Anna\r\r\nSound=0\r\n", "E", "Spieler1", "Anna");
        row("mixed", "[E]\rSpieler1=Anna\nSound=0", "E", "Sound", "0");
        row("single quotes", "[S]\nk='Anna'", "S", "k", "Anna");
        row("blanks outside quotes", "[S]\nk=  \"3\"  ", "S", "k", "3");
        row("blanks inside stay", "[S]\nk=\" Anna \"", "S", "k", " Anna ");
        row("empty quotes", "[S]\nk=\"\"", "S", "k", "");
        row("quotes not matching", "[S]\nk=\"Anna'", "S", "k", "\"Anna'");
        row("one quote", "[S]\nk=\"", "S", "k", "\"");
    }
    void readsTheValueOfItsSectionAndKey()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QTEST(IniFile::read(ini, section, key).value_or(QStringLiteral("<none>")), "value");
    }

    // Every other line stays byte for byte; a new line takes the file's own line end.
    void writeKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char *name, const QByteArray &before, const char *section,
                            const char *key, const QString &value, const QByteArray &after) {
            QTest::newRow(name) << before << QString::fromLatin1(section)
                                << QString::fromLatin1(key) << value << after;
        };
        const QByteArray room = "; class room\r\n[Einst]\r\nnumPlayers= 4\r\nOther=x\r\n\r\n"
                                "[Fremd]\r\nnumPlayers=99\r\n";
        row("key replaced, other section alike", room, "einst", "numPlayers", " 2",
            QByteArray(room).replace("= 4", "= 2"));
        row("new key at the end of its section", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
            "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
        row("no file", "", "Optionen", "Sprache", " 6000", "[Optionen]\r\nSprache= 6000\r\n");
        row("last line open, new section", "[A]\r\nx=1", "B", "y", "2",
            "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
        row("Windows-1252", "", "E", "Spieler1", QStringLiteral("Jörg"),
            "[E]\r\nSpieler1=J\xF6rg\r\n");
        row("lone CR, new key", "[E]\rA=1\r", "E", "B", "2", "[E]\rA=1\rB=2\r");
        row("lone LF, new section", "[E]\nA=1\n", "O", "B", "2", "[E]\nA=1\n[O]\nB=2\n");
        row("mixed, key keeps its own end", "[E]\r\nA=1\rB=1\nC=3\r\n", "E", "B", "2",
            "[E]\r\nA=1\rB=2\nC=3\r\n");
        row("CR before CR LF stays an empty line", "[E]\r\nB=Anna\r\r\nC=3\r\n", "E", "B", "2",
            "[E]\r\nB=2\r\r\nC=3\r\n");
        row("last key without line end", "[E]\r\nB=1", "E", "B", "2", "[E]\r\nB=2");
        row("without sections", "numPlayers=3\r\nSound=0\r\n", "E", "numPlayers", "2",
            "numPlayers=3\r\nSound=0\r\n[E]\r\nnumPlayers=2\r\n");
        const QByteArray longLine = "[E]\r\nSpieler1=" + QByteArray(100000, 'x') + "\r\nB=1\r\n";
        row("a line of 100 000 characters", longLine, "E", "B", "2",
            QByteArray(longLine).replace("B=1", "B=2"));
        // Random bytes between a first line end and a last byte that are known.
        QByteArray garbage(64 * 1024, Qt::Uninitialized);
        QRandomGenerator random(4711);
        for (char &c : garbage)
            c = char(random.bounded(256));
        garbage.replace(0, 4, QByteArray("\0\xff\r\n", 4));
        garbage.back() = 'z';
        row("binary garbage", garbage, "E", "numPlayers", "2",
            garbage + "\r\n[E]\r\nnumPlayers=2\r\n");
        row("a value cannot start a line of its own", "[E]\r\nA=1\r\n", "E", "Spieler1",
            "Anna\r\n[Optionen]\rSprache=200\n",
            "[E]\r\nA=1\r\nSpieler1=Anna  [Optionen] Sprache=200 \r\n");
    }
    void writeKeepsEveryOtherLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTEST(IniFile::write(before, section, key, value), "after");
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<qint32>("expected");
        QTest::newRow("text after") << "12abc" << 12;
        QTest::newRow("word") << "vier" << 0;
        QTest::newRow("plus after blanks") << "  +12" << 12;
        QTest::newRow("blank after the sign") << "+ 5" << 0;
        QTest::newRow("beyond 16 bits") << "40000" << 40000;
        QTest::newRow("beyond 32 bits saturates") << "99999999999" << 2147483647;
        QTest::newRow("far below") << "-99999999999" << qint32(-2147483647 - 1);
    }
    void leadingNumber()
    {
        QFETCH(QString, value);
        QTEST(IniFile::leadingNumber(value), "expected");
    }

    // The bytes Windows leaves undefined come back as themselves, not as some other letter.
    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        bool lossy = true;
        QCOMPARE(Cp1252::encode(Cp1252::decode(all), &lossy), all);
        QVERIFY(!lossy);
        QCOMPARE(Cp1252::decode("\x80\x9C\x81"), QStringLiteral("€œ\u0081"));
        QCOMPARE(Cp1252::encode(QStringLiteral("Krähe ß ©")), QByteArray("Kr\xE4he \xDF \xA9"));
        // A character without a byte.
        QCOMPARE(Cp1252::encode(u"a\u0103b", &lossy), QByteArray("a?b"));
        QVERIFY(lossy);
        QVERIFY(!Cp1252::canEncode(QChar(0x0103)));
        QVERIFY(Cp1252::canEncode(QChar(u'Ñ')));
    }

    // Read as stored, and brought into range by the readers that need it; the file is left as
    // it was and nothing is reported. Too many players and too long a minimum are the game's
    // test: a player meets them as panels and words.
    void valuesOutOfRangeAreBroughtBack_data()
    {
        QTest::addColumn<S::Number>("setting");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("inRange");
        const auto row = [](const char *name, const S::Number &setting, const char *stored,
                            int read, int inRange) {
            QTest::newRow(name) << setting << QByteArray(stored) << read << inRange;
        };
        row("players 0", S::NumPlayers, "0", 0, 1);
        row("players empty", S::NumPlayers, "  ", 4, 4);
        row("rounds 5", S::RoundsToPlay, "5", 5, 10);
        row("rounds 50", S::RoundsToPlay, " 50", 50, 50);
        row("rounds 999", S::RoundsToPlay, "999", 999, 50);
        row("minimum length 0", S::MinLength, "0", 0, 1);
        row("hints -3", S::hints(2), "-3", -3, 0);
        row("hints 7", S::hints(3), "7", 7, 3);
        row("letter style 77", S::LetterStyle, "77", 77, 10);
        row("background -4", S::Background, "-4", -4, 0);
        row("language 2500", S::Language, "2500", 2500, 0);
        row("language 7000", S::Language, "7000", 7000, 0);
        row("language 6000", S::Language, " 6000", 6000, 6000);
    }
    void valuesOutOfRangeAreBroughtBack()
    {
        QFETCH(S::Number, setting);
        QFETCH(QByteArray, stored);
        QFETCH(int, read);
        QFETCH(int, inRange);
        ProgramFolder folder;
        const QByteArray file =
            '[' + setting.section.toLatin1() + "]\r\n" + setting.key.toLatin1() + '=' + stored;
        folder.write(kIni, file);
        ErrorRecorder errors;
        QCOMPARE(int(S::read(setting)), read);
        QCOMPARE(int(S::readInRange(setting)), inRange);
        QCOMPARE(int(S::peek(setting)), inRange);
        QCOMPARE(folder.read(kIni), file);
        QVERIFY(errors.errors().isEmpty());
    }

    // A fresh folder gives every default; each setting is written in its own form.
    void defaultsAndTheFormOfEachSetting()
    {
        ProgramFolder folder;
        const std::pair<S::Number, int> defaults[] = {
            {S::NumPlayers, 4},   {S::RoundsToPlay, 20}, {S::MinLength, 4},   {S::RepeatMode, 1},
            {S::ShowSolution, 1}, {S::SoundOn, -1},      {S::LetterStyle, 8}, {S::Background, 0},
            {S::hints(1), 2},     {S::hints(4), 2},      {S::Language, 0},    {S::SpeechOn, 0}};
        for (const auto &[setting, value] : defaults) {
            QVERIFY2(S::read(setting) == value, qPrintable(setting.key));
        }
        QCOMPARE(S::read(S::playerName(3)), u"Spieler 3"_s);
        QCOMPARE(S::read(S::Password), QString());
        QCOMPARE(S::read(S::vocabFile(Language::fromIndex(3))), QString());
        QVERIFY(!QFile::exists(folder.file(kIni))); // reading writes nothing
        S::write(S::NumPlayers, 3);
        S::write(S::SoundOn, -1);
        S::write(S::LetterStyle, 8);
        S::write(S::Background, 0);
        S::write(S::hints(4), 0);
        S::write(S::playerName(2), u" Ben "_s);
        for (const int index : {0, 1, 6})
            S::write(S::vocabFile(Language::fromIndex(index)), u"list%1.dat"_s.arg(index));
        S::write(S::Password, QString(256, u'x'));
        S::write(S::Language, 6000);
        QCOMPARE(folder.read(kIni),
                 "[Einstellungen]\r\nnumPlayers= 3\r\nSound=-1\r\nLetter=8\r\nBack=0\r\n"
                 "Tipps4= 0\r\nSpieler2= Ben \r\nDatei0=list0.dat\r\nDatei1000=list1.dat\r\n"
                 "Datei6000=list6.dat\r\npassw=" +
                     QByteArray(256, 'x') + "\r\n[Optionen]\r\nSprache= 6000\r\n");
        QCOMPARE(S::read(S::playerName(2)), u"Ben"_s);
        QCOMPARE(S::read(S::vocabFile(Language::fromIndex(1))), u"list1.dat"_s);
        QCOMPARE(S::read(S::Password), QString(254, u'x'));
    }

    // Why a write failed: the error says "full" where it can; where a writer did not pass it
    // on, the folder's free space tells (procfs has none).
    void fullOrRefused()
    {
        const QString roomy = QDir::tempPath();
        QCOMPARE(writeTroubleAt(roomy, ENOSPC), WriteTrouble::Full);
        QCOMPARE(writeTroubleAt(roomy, EDQUOT), WriteTrouble::Full);
        QCOMPARE(writeTroubleAt(roomy, EACCES), WriteTrouble::Refused);
        QCOMPARE(writeTroubleAt(roomy, 0), WriteTrouble::Refused);
        QCOMPARE(writeTroubleAt("/proc", 0), WriteTrouble::Full);
    }

    void anOverflowIsReportedThenIgnoredOrReadAgain()
    {
        ProgramFolder folder;
        folder.write(kIni, "[Einstellungen]\r\nRunden=40000\r\nLetter=-99999\r\n");
        ErrorRecorder errors(ErrAnswer::Ignore);
        QCOMPARE(S::peek(S::LetterStyle), qint16(0)); // a first look reports nothing
        QVERIFY(errors.errors().isEmpty());
        QCOMPARE(S::read(S::RoundsToPlay), qint16(0));
        QCOMPARE(GetIniInt(u"Einstellungen"_s, u"missing"_s, 70000), qint16(0));
        QCOMPARE(errors.errors().size(), 2);
        const ReportedError &first = errors.errors().first();
        QCOMPARE(first.module + u'.' + first.procedure, u"Allgemein.GetIniInt"_s);
        QCOMPARE(first.number, ErrNo::Overflow);
        // Retry, the file mended from inside the error report as a user with an editor would.
        setErrorHandler([&](const ErrorReport &) {
            folder.write(kIni, "[Einstellungen]\r\nRunden=30\r\n");
            return ErrAnswer::Retry;
        });
        QCOMPARE(S::read(S::RoundsToPlay), qint16(30));
    }

    // A full disk (files may not grow past a few bytes, for root as well) or a file marked
    // read-only: the teacher hears of it once, in the interface language, with the first file
    // that failed; the files stay whole.
    void aFailedWriteIsToldOnceAndLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("full disk")
            << true << 0
            << u"Quendo konnte seine Einstellungen nicht speichern: Der Datenträger ist "
               "voll oder Ihr Speicherplatz ist aufgebraucht. Änderungen gehen beim "
               "Beenden von Quendo verloren. Die Einstellungsdatei:\n\n"_s;
        QTest::newRow("read-only file")
            << false << 1
            << u"Quendo could not save its settings: the settings file or its "
               "folder cannot be written. Changes will be lost when Quendo "
               "ends. The settings file:\n\n"_s;
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
        S::writeStartCount(12);
        FakeDialogs dialogs;
        SettingsNotice notice(dialogs);
        ErrorRecorder errors;
        std::optional<FileSizeLimit> limit;
        if (full)
            limit.emplace(10);
        notice.holdBack(true); // while the start-up has already said that nothing is kept
        S::write(S::Language, 1000);
        notice.holdBack(false);
        S::writeStartCount(13);
        S::write(S::LetterStyle, 3);
        S::write(S::Background, 2);
        limit.reset();
        setLangFilePath(QString());
        setCurrentLanguage(Language());
        QCOMPARE(folder.read(kIni), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({kIni, "~tmp.lng"}));
        QCOMPARE(S::readStartCount(), qint16(full ? 12 : 13));
        QCOMPARE(dialogs.texts(), QStringList({text + (full ? storePath() : folder.file(kIni))}));
        QVERIFY(errors.errors().isEmpty());
    }

    void unusableSettingsFilesAreReportedOnceAndLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ErrNo>("error");
        QTest::newRow("named pipe") << "pipe" << ErrNo::PathFileAccess;
        QTest::newRow("one byte over 1 MB") << "1 MB + 1" << ErrNo::InvalidFileFormat;
    }
    void unusableSettingsFilesAreReportedOnceAndLeftAlone()
    {
        QFETCH(QString, kind);
        ProgramFolder folder;
        const QString ini = folder.file(kIni);
        makeUnusable(kind, ini);
        // What kind of thing lies there, and how big it is.
        const auto fingerprint = [&] {
            return std::pair(QFileInfo(ini).isFile(), QFileInfo(ini).size());
        };
        const auto before = fingerprint();
        ErrorRecorder errors;
        QCOMPARE(S::read(S::SoundOn), qint16(-1));
        QCOMPARE(S::read(S::playerName(1)), u"Spieler 1"_s);
        QCOMPARE(S::peek(S::SoundOn), qint16(-1));
        S::write(S::Background, 2);
        QCOMPARE(S::read(S::Background), qint16(0));
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().procedure, u"GetIniInt"_s);
        QTEST(errors.errors().first().number, "error");
        QVERIFY(fingerprint() == before);
        // Mended, it is read again; the same trouble once more is reported once more.
        QVERIFY(QFile::remove(ini));
        folder.write(kIni, "[Einstellungen]\r\nSound=0\r\n");
        QCOMPARE(S::read(S::SoundOn), qint16(0));
        QVERIFY(QFile::remove(ini));
        makeUnusable(kind, ini);
        QCOMPARE(S::read(S::SoundOn), qint16(-1));
        QCOMPARE(errors.errors().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
