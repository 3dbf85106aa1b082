// Where a copy writes: beside the program when its folder can be written, else in the user's
// own folders; word lists from both, the user's first.
#include "FakeDialogs.h"
#include "GameFakes.h"
#include "Language.h"
#include "Places.h"
#include "Settings.h"
#include "StartupChecks.h"
#include "TestSupport.h"
#include "VocabularyFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

namespace {

QString g_readOnly; // the folder the fake probe calls read-only; "*" for every folder

bool fakeProbe(const QString &folder)
{
    return g_readOnly != QStringLiteral("*") && folder != g_readOnly;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
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
    QDir dir(folder);
    for (const QFileInfo &info :
         dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        names << info.fileName();
        if (info.isDir()) {
            for (const QString &inner : filesBelow(info.filePath()))
                names << info.fileName() + u'/' + inner;
        }
    }
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
        QDir(m_config.path()).removeRecursively();
        QDir(m_data.path()).removeRecursively();
        QDir().mkpath(m_config.path());
        QDir().mkpath(m_data.path());
    }

    void cleanup()
    {
        setWritableProbe(nullptr);
        g_readOnly.clear();
        setCurrentLanguage(Language());
        setLangFilePath(QString());
    }

    void writableFolderKeepsEverythingBesideTheProgram()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        const QString deutsch = folder.path() + QStringLiteral("/deutsch");
        QVERIFY(programFolderWritable());
        QCOMPARE(settingsFolder(), folder.path());
        QCOMPARE(iniPath(), folder.path() + QStringLiteral("/Quendo.ini"));
        QCOMPARE(VocabularyFile::languageFolders(), QStringList({deutsch}));
        QCOMPARE(VocabularyFile::saveFolder(), deutsch);
        QCOMPARE(VocabularyFile::listPath("quendo.dat"), deutsch + QStringLiteral("/quendo.dat"));
        QVERIFY(userFilesKept());

        SaveIni("Optionen", "Sprache", " 1000");
        QCOMPARE(folder.read("Quendo.ini"), QByteArray("[Optionen]\r\nSprache= 1000\r\n"));
        QDir(folder.path()).mkdir("deutsch");
        VocabularyFile::writeFile(VocabularyFile::listPath("eigene.dat"), {"Igel", "Maus"});
        QCOMPARE(folder.read("deutsch/eigene.dat"), QByteArray("Igel\r\nMaus\r\n"));
        // Nothing went to the user's own folders.
        QCOMPARE(filesBelow(m_config.path()), QStringList());
        QCOMPARE(filesBelow(m_data.path()), QStringList());
    }

    void readOnlyFolderSendsEverythingToTheUsersFolders()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        folder.write("README.TXT", "read me\r\n");
        g_readOnly = folder.path();
        setWritableProbe(fakeProbe);
        QVERIFY(!programFolderWritable());
        const QString config = m_config.path() + QStringLiteral("/Quendo");
        const QString lists = m_data.path() + QStringLiteral("/Quendo/deutsch");
        QCOMPARE(settingsFolder(), config);
        QCOMPARE(iniPath(), config + QStringLiteral("/Quendo.ini"));
        QCOMPARE(VocabularyFile::languageFolders(),
                 QStringList({lists, folder.path() + QStringLiteral("/deutsch")}));
        QCOMPARE(VocabularyFile::saveFolder(), lists);
        QVERIFY(QFileInfo(lists).isDir());
        QVERIFY(userFilesKept());

        SaveIni("Optionen", "Sprache", " 2000");
        QCOMPARE(bytesOf(config + QStringLiteral("/Quendo.ini")),
                 QByteArray("[Optionen]\r\nSprache= 2000\r\n"));
        VocabularyFile::writeFile(VocabularyFile::listPath("eigene.dat"), {"Wal"});
        QCOMPARE(bytesOf(lists + QStringLiteral("/eigene.dat")), QByteArray("Wal\r\n"));
        // The program folder holds what it held before.
        QCOMPARE(filesBelow(folder.path()), QStringList({"README.TXT", "~tmp.lng"}));
    }

    void theUsersListOfTheSameNameWinsAndBothShow()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        setCurrentLanguage(Language::fromIndex(1));
        QDir(folder.path()).mkdir("english");
        folder.write("english/quendo.dat", "shipped\r\n");
        folder.write("english/animals.dat", "zebra\r\n");
        const QString lists = m_data.path() + QStringLiteral("/Quendo/english");
        writeBytes(lists + QStringLiteral("/quendo.dat"), "mine\r\n");
        writeBytes(lists + QStringLiteral("/school.dat"), "pencil\r\n");
        writeBytes(lists + QStringLiteral("/Birds.dat"), "robin\r\n");
        g_readOnly = folder.path();
        setWritableProbe(fakeProbe);

        QCOMPARE(VocabularyFile::listNames("*.dat"),
                 QStringList({"animals.dat", "Birds.dat", "quendo.dat", "school.dat"}));
        QCOMPARE(VocabularyFile::listPath("quendo.dat"), lists + QStringLiteral("/quendo.dat"));
        QCOMPARE(VocabularyFile::listPath("animals.dat"),
                 folder.path() + QStringLiteral("/english/animals.dat"));
        QCOMPARE(VocabularyFile::readEditorEntries(VocabularyFile::listPath("quendo.dat")),
                 QStringList({"mine"}));
        QCOMPARE(VocabularyFile::gameFileName("school.dat"), QStringLiteral("school.dat"));
        QCOMPARE(VocabularyFile::gameFileName("animals.dat"), QStringLiteral("animals.dat"));
        QCOMPARE(VocabularyFile::gameFileName("missing.dat"), QStringLiteral("quendo.dat"));

        // The same copy with a writable folder sees only its own lists.
        setWritableProbe(nullptr);
        QCOMPARE(VocabularyFile::listNames("*.dat"), QStringList({"animals.dat", "quendo.dat"}));
        QCOMPARE(VocabularyFile::gameFileName("school.dat"), QStringLiteral("quendo.dat"));
    }

    // The game of an installed copy plays the user's list, not the shipped one of the name.
    void theGamePlaysTheUsersList()
    {
        GameRig rig; // the shipped deutsch/quendo.dat holds six animals and fruits
        writeBytes(m_data.path() + QStringLiteral("/Quendo/deutsch/quendo.dat"), "Zebra\r\nK\xe4"
                                                                                 "fer\r\n");
        g_readOnly = rig.folder.path();
        setWritableProbe(fakeProbe);
        rig.state.minLen = 4;
        rig.game.List1_Ini();
        QCOMPARE(rig.game.pool().entries(), QStringList({"ZEBRA", "KÄFER"}));
        setWritableProbe(nullptr);
        rig.game.List1_Ini();
        QCOMPARE(rig.game.pool().entries(),
                 QStringList({"HASE", "IGEL", "MAUS", "AFFE", "BIRNE", "KERZE"}));
    }

    // A relative XDG_DATA_HOME would move with the program's current folder: HOME is taken.
    void aRelativeDataFolderIsNotTaken()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        QTemporaryDir home;
        const EnvironmentValue data("XDG_DATA_HOME", "relative/data");
        const EnvironmentValue homeDir("HOME", QFile::encodeName(home.path()));
        QCOMPARE(userDataFolder(), home.path() + QStringLiteral("/.local/share/Quendo"));
        g_readOnly = folder.path();
        setWritableProbe(fakeProbe);
        QCOMPARE(VocabularyFile::saveFolder(),
                 home.path() + QStringLiteral("/.local/share/Quendo/deutsch"));
    }

    void nowhereToWriteIsNoticed()
    {
        ProgramFolder folder;
        g_readOnly = QStringLiteral("*");
        setWritableProbe(fakeProbe);
        QVERIFY(!programFolderWritable());
        QVERIFY(!userFilesKept());
        g_readOnly = folder.path();
        setWritableProbe(fakeProbe);
        QVERIFY(userFilesKept());
    }

    // A full disk takes an empty file but no settings: the start-up says so, naming the folder.
    void aFullDiskIsNoticedAtTheStart()
    {
        ProgramFolder folder;
        installLanguageTable(m_config.path());
        QVERIFY(userFilesKept());
        std::optional<FileSizeLimit> limit(std::in_place, 10);
        const FilesKept kept = userFilesKept();
        limit.reset();
        QVERIFY(!kept);
        FakeDialogs dialogs;
        tellIfNothingIsKept(dialogs, kept);
        QCOMPARE(dialogs.texts(),
                 QStringList({QStringLiteral("Der Datenträger für Quendos Einstellungen ist voll "
                                             "oder Ihr Speicherplatz ist aufgebraucht: "
                                             "Einstellungen und Wortlisten werden nicht "
                                             "gespeichert. Bitte schaffen Sie Platz in:\n\n") +
                              folder.path()}));
        QCOMPARE(filesBelow(folder.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_places.moc"
