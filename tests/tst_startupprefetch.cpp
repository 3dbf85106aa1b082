#include "Catalogue.h"
#include "FakeDialogs.h"
#include "frmInfo.h"
#include "frmQuendo.h"
#include "Language.h"
#include "ModResFiles.h"
#include "RunTimeError.h"
#include "StartupPictures.h"
#include "StartupPrefetch.h"
#include "TestSupport.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QSet>
#include <QTest>

namespace {

// Remembers which pictures were asked for, and leaves the decoding to the caller.
class RecordingSource
{
public:
    RecordingSource()
    {
        setPictureSource([this](const QString &path) -> std::optional<QImage> {
            m_asked.append(path);
            return std::nullopt;
        });
    }
    ~RecordingSource() { setPictureSource({}); }
    const QStringList &asked() const { return m_asked; }

private:
    QStringList m_asked;
};

QStringList pathsOf(std::initializer_list<int> bitmaps)
{
    QStringList paths;
    for (int id : bitmaps)
        paths.append(Catalogue::resourcePath(u"BITMAP", id));
    return paths;
}

} // namespace

class TestStartupPrefetch : public QObject
{
    Q_OBJECT

private slots:
    void init() { setCurrentLanguage(Language::fromIndex(1)); }

    void decodedAheadIsWhatDecodingGivesAndIsHandedOutOnce()
    {
        const QStringList paths = pathsOf({111, 200, 101});
        StartupPrefetch prefetch;
        prefetch.addPictures(paths);
        prefetch.waitUntilIdle();
        for (const QString &path : paths) {
            const std::optional<QImage> ahead = prefetch.takePicture(path);
            QVERIFY2(ahead, qPrintable(path));
            QCOMPARE(*ahead, decodePicture(path));
            QVERIFY(!prefetch.takePicture(path)); // a second caller decodes for itself
        }
        QVERIFY(!prefetch.takePicture(Catalogue::windowPicturePath(u"logo"))); // never queued
    }

    void aPictureAskedForEarlyIsNeverDecodedTwice()
    {
        // Asked for while still queued or in progress: the caller either gets it or decodes
        // it itself, and the worker does not hand out a second copy later.
        const QStringList paths = pathsOf({101, 102, 103, 104, 105});
        StartupPrefetch prefetch;
        prefetch.addPictures(paths);
        const std::optional<QImage> early = prefetch.takePicture(paths.last());
        if (early)
            QCOMPARE(early->size(), QSize(300, 2000));
        prefetch.waitUntilIdle();
        QVERIFY(!prefetch.takePicture(paths.last()));
        QVERIFY(prefetch.takePicture(paths.first()));
    }

    void loadingGoesThroughItAndMissingPicturesStillRaise()
    {
        const QString logo = Catalogue::windowPicturePath(u"logo");
        const QString missing = Catalogue::windowPicturePath(u"no_such_picture");
        {
            StartupPrefetch prefetch;
            prefetch.addPictures({logo, missing});
            prefetch.waitUntilIdle();
            QCOMPARE(LoadWindowPicture(u"logo"), decodePicture(logo));
            QVERIFY(!prefetch.takePicture(logo)); // LoadWindowPicture took it
            QVERIFY_THROWS_EXCEPTION(RunTimeError, LoadWindowPicture(u"no_such_picture"));
        }
        // Gone with its object: loading decodes directly again.
        QVERIFY(!LoadWindowPicture(u"logo").isNull());
    }

    void endingWithWorkLeftNeitherHangsNorCrashes()
    {
        auto prefetch = std::make_unique<StartupPrefetch>();
        for (int round = 0; round < 4; ++round)
            prefetch->addPictures(pathsOf({101, 102, 103, 104, 105}));
        prefetch->addFontDatabase();
        prefetch.reset();
        QVERIFY(!LoadResPicture(105).isNull());
    }

    void fontsFilledAheadWhileTheMainThreadMeasuresText()
    {
        StartupPrefetch prefetch;
        prefetch.addFontDatabase();
        QFont bold = QGuiApplication::font();
        bold.setBold(true);
        int width = 0;
        for (int i = 0; i < 50; ++i)
            width = QFontMetrics(i % 2 ? bold : QGuiApplication::font())
                        .horizontalAdvance(QStringLiteral("Quendo %1").arg(i));
        prefetch.waitUntilIdle();
        QVERIFY(width > 0);
        QVERIFY(!QFontDatabase::families().isEmpty());
    }

    void storedChoicesPickTheBoardsPictures()
    {
        ProgramFolder folder;
        ErrorRecorder errors;
        folder.write(QStringLiteral("Quendo.ini"), "[Einstellungen]\r\nLetter= 3\r\nBack= 2\r\n");
        QCOMPARE(StartupPictures::chosenBySettings(), pathsOf({114, 202}));
        // Hand-edited values out of range, even too large for the settings' numbers, give a
        // guess in range and no message: the window reports them when it loads.
        folder.write(QStringLiteral("Quendo.ini"),
                     "[Einstellungen]\r\nLetter= 99999\r\nBack= -4\r\n");
        QCOMPARE(StartupPictures::chosenBySettings(), pathsOf({121, 200}));
        QVERIFY(errors.errors().isEmpty());
        folder.write(QStringLiteral("Quendo.ini"), "");
        QCOMPARE(StartupPictures::chosenBySettings(), pathsOf({119, 200})); // the defaults
    }

    void everyPictureTheFirstWindowsLoadIsDecodedAhead()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        folder.write(QStringLiteral("Quendo.ini"), "[Einstellungen]\r\nLetter= 5\r\nBack= 3\r\n");
        QDir(folder.path()).mkdir(QStringLiteral("deutsch"));
        folder.write(QStringLiteral("deutsch/quendo.dat"), "Banane\r\n");
        const QStringList ahead = StartupPictures::design() + StartupPictures::chosenBySettings();

        RecordingSource source;
        setSplashMode(true);
        frmInfo splash;
        splash.show();
        FakeDialogs dialogs;
        frmQuendo window(dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QVERIFY(!source.asked().isEmpty());
        QStringList notAhead;
        for (const QString &path : source.asked()) {
            if (!ahead.contains(path))
                notAhead.append(path);
        }
        QVERIFY2(notAhead.isEmpty(), qPrintable(notAhead.join(u' ')));
        // Nothing is decoded ahead that the windows do not use.
        const QSet<QString> asked(source.asked().cbegin(), source.asked().cend());
        for (const QString &path : ahead)
            QVERIFY2(asked.contains(path), qPrintable(path));
    }
};

QTEST_MAIN(TestStartupPrefetch)
#include "tst_startupprefetch.moc"
