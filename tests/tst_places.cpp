// Where a copy writes: beside the program when its folder can be written, else in the user's
// own folders; word lists from both, the user's first.
#include "FakeDialogs.h"
#include "Language.h"
#include "Places.h"
#include "Settings.h"
#include "SettingsTable.h"
#include "StartupChecks.h"
#include "TestSupport.h"
#include "VocabularyFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString g_readOnly; // the folder the fake probe calls read-only; "*" for every folder

bool fakeProbe(const QString &folder)
{
    return g_readOnly != u"*" && folder != g_readOnly;
}

void playReadOnly(const QString &folder)
{
    g_readOnly = folder;
    setWritableProbe(fakeProbe);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QStringList filesBelow(const QString &folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

} // namespace

class TestPlaces : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    QTemporaryDir m_data;

private slots:
    void init()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
        for (const QTemporaryDir *dir : {&m_config, &m_data}) {
            QDir(dir->path()).removeRecursively();
            QDir().mkpath(dir->path());
        }
    }

    void cleanup()
    {
        setWritableProbe(nullptr);
        g_readOnly.clear();
        setCurrentLanguage(Language());
        setLangFilePath(QString());
    }

    // What is written, and nothing else, in the program folder, then the user's two folders.
    void settingsAndListsGoWhereTheyCanBeWritten_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("writable program folder")
            << false
            << QStringList(
                   {"Quendo.ini", "README.TXT", "deutsch", "deutsch/eigene.dat", "~tmp.lng"});
        QTest::newRow("read-only program folder")
            << true
            << QStringList({"README.TXT", "~tmp.lng", "Quendo", "Quendo/Quendo.ini", "Quendo",
                            "Quendo/deutsch", "Quendo/deutsch/eigene.dat"});
    }
    void settingsAndListsGoWhereTheyCanBeWritten()
    {
        QFETCH(bool, readOnly);
        QFETCH(QStringList, files);
        ProgramFolder folder;
        installLanguageTable(folder.path());
        folder.write("README.TXT", "read me\r\n");
        if (readOnly)
            playReadOnly(folder.path());
        const QString settings = readOnly ? m_config.path() + "/Quendo" : folder.path();
        const QString lists = (readOnly ? m_data.path() + "/Quendo" : folder.path()) + "/deutsch";
        QCOMPARE(programFolderWritable(), !readOnly);
        QCOMPARE(settingsFolder(), settings);
        QCOMPARE(VocabularyFile::saveFolder(), lists);
        QCOMPARE(VocabularyFile::languageFolders(),
                 readOnly ? QStringList({lists, folder.path() + "/deutsch"})
                          : QStringList({lists}));
        QVERIFY(userFilesKept());
        Setting::write(Setting::Language, 2000);
        QDir().mkpath(lists); // shipped beside the program
        VocabularyFile::writeFile(VocabularyFile::listPath("eigene.dat"), {"Igel", "Maus"});
        QCOMPARE(filesBelow(folder.path()) + filesBelow(m_config.path()) +
                     filesBelow(m_data.path()),
                 files);
    }

    void theUsersListOfTheSameNameWinsAndBothShow()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        setCurrentLanguage(Language::fromIndex(1));
        writeBytes(folder.file("english/quendo.dat"), "shipped\r\n");
        writeBytes(folder.file("english/animals.dat"), "zebra\r\n");
        const QString lists = m_data.path() + QStringLiteral("/Quendo/english");
        writeBytes(lists + QStringLiteral("/quendo.dat"), "mine\r\n");
        writeBytes(lists + QStringLiteral("/school.dat"), "pencil\r\n");
        writeBytes(lists + QStringLiteral("/Birds.dat"), "robin\r\n");
        playReadOnly(folder.path());
        QCOMPARE(VocabularyFile::listNames("*.dat"),
                 QStringList({"animals.dat", "Birds.dat", "quendo.dat", "school.dat"}));
        QCOMPARE(VocabularyFile::readEditorEntries(VocabularyFile::listPath("quendo.dat")),
                 QStringList({"mine"}));
        QCOMPARE(VocabularyFile::listPath("animals.dat"), folder.file("english/animals.dat"));
        QCOMPARE(VocabularyFile::gameFileName("school.dat"), QStringLiteral("school.dat"));
        QCOMPARE(VocabularyFile::gameFileName("animals.dat"), QStringLiteral("animals.dat"));
        QCOMPARE(VocabularyFile::gameFileName("missing.dat"), QStringLiteral("quendo.dat"));

        // The same copy with a writable folder sees only its own lists.
        setWritableProbe(nullptr);
        QCOMPARE(VocabularyFile::listNames("*.dat"), QStringList({"animals.dat", "quendo.dat"}));
        QCOMPARE(VocabularyFile::gameFileName("school.dat"), QStringLiteral("quendo.dat"));
    }

    // A relative XDG_DATA_HOME or XDG_CONFIG_HOME would move with the program's current folder:
    // HOME is taken.
    void relativeUserFoldersAreNotTaken()
    {
        QTemporaryDir home;
        const EnvironmentValue data("XDG_DATA_HOME", "relative/data");
        const EnvironmentValue config("XDG_CONFIG_HOME", "relative/config");
        const EnvironmentValue homeDir("HOME", QFile::encodeName(home.path()));
        QCOMPARE(userDataFolder(), home.path() + "/.local/share/Quendo");
        QCOMPARE(userConfigFolder(), home.path() + "/.config/Quendo");
    }

    // A full disk takes an empty file but no settings: the start-up says so, naming the folder.
    void aFullDiskIsNoticedAtTheStart()
    {
        ProgramFolder folder;
        installLanguageTable(m_config.path());
        std::optional<FileSizeLimit> limit(std::in_place, 10);
        const FilesKept kept = userFilesKept();
        limit.reset();
        QVERIFY(!kept);
        FakeDialogs dialogs;
        tellIfNothingIsKept(dialogs, kept);
        QCOMPARE(dialogs.texts(),
                 QStringList({"Der Datenträger für Quendos Einstellungen ist voll oder Ihr "
                              "Speicherplatz ist aufgebraucht: Einstellungen und Wortlisten werden "
                              "nicht gespeichert. Bitte schaffen Sie Platz in:\n\n" +
                              folder.path()}));
        QCOMPARE(filesBelow(folder.path()), QStringList());
        // With no folder that takes a file at all, nothing is kept either.
        playReadOnly(QStringLiteral("*"));
        QVERIFY(!userFilesKept());
    }
};

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_places.moc"
