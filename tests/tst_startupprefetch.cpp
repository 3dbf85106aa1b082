#include "Catalogue.h"
#include "FakeDialogs.h"
#include "frmInfo.h"
#include "frmQuendo.h"
#include "Language.h"
#include "ModResFiles.h"
#include "StartupPictures.h"
#include "StartupPrefetch.h"
#include "TestSupport.h"

#include <QDir>
#include <QScopeGuard>
#include <QSet>
#include <QTest>

class TestStartupPrefetch : public QObject
{
    Q_OBJECT

private slots:
    void init() { setCurrentLanguage(Language::fromIndex(1)); }

    // Decoded ahead is what decoding gives, handed out once: a second caller decodes for itself.
    // Queued again or left undone at the end: no hang, no crash.
    void decodedAheadIsHandedOutOnce()
    {
        QStringList paths;
        for (const int bitmap : {111, 200, 101, 102, 103})
            paths << Catalogue::resourcePath(u"BITMAP", bitmap);
        auto prefetch = std::make_unique<StartupPrefetch>();
        prefetch->addPictures(paths + QStringList{Catalogue::windowPicturePath(u"no_such")});
        prefetch->waitUntilIdle();
        for (const QString &path : paths) {
            const std::optional<QImage> ahead = prefetch->takePicture(path);
            QVERIFY2(ahead && *ahead == decodePicture(path), qPrintable(path));
            QVERIFY(!prefetch->takePicture(path));
        }
        const QString logo = Catalogue::windowPicturePath(u"logo");
        prefetch->addPictures({logo});
        prefetch->waitUntilIdle();
        QCOMPARE(LoadWindowPicture(u"logo"), decodePicture(logo)); // loading takes it
        QVERIFY(!prefetch->takePicture(logo));
        for (int round = 0; round < 4; ++round)
            prefetch->addPictures(paths);
        prefetch->addFontDatabase();
        prefetch.reset();
    }

    void everyPictureTheFirstWindowsLoadIsDecodedAhead()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        folder.write(QStringLiteral("Quendo.ini"), "[Einstellungen]\r\nLetter= 5\r\nBack= 3\r\n");
        QDir(folder.path()).mkdir(QStringLiteral("deutsch"));
        folder.write(QStringLiteral("deutsch/quendo.dat"), "Banane\r\n");
        const QStringList ahead = StartupPictures::design() + StartupPictures::chosenBySettings();

        QStringList asked; // the decoding is left to the caller
        setPictureSource([&](const QString &path) -> std::optional<QImage> {
            asked.append(path);
            return std::nullopt;
        });
        const auto noSource = qScopeGuard([] { setPictureSource({}); });
        setSplashMode(true);
        frmInfo splash;
        splash.show();
        FakeDialogs dialogs;
        frmQuendo window(dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Every picture the splash and the board load was decoded ahead, and nothing else.
        QCOMPARE(QSet<QString>(asked.cbegin(), asked.cend()),
                 QSet<QString>(ahead.cbegin(), ahead.cend()));
        QVERIFY(ahead.contains(Catalogue::resourcePath(u"BITMAP", 116))); // the stored style
    }
};

QTEST_MAIN(TestStartupPrefetch)
#include "tst_startupprefetch.moc"
