#include "frmInfo.h"
#include "Language.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

class TestFrmInfo : public QObject
{
    Q_OBJECT
    ProgramFolder m_folder;

private slots:
    void initTestCase() { installLanguageTable(m_folder.path()); }
    void init() { setCurrentLanguage(Language::fromIndex(1)); }

    void asSplashItClosesItselfWithoutOk()
    {
        setSplashMode(true);
        setSplashDone(false);
        QPointer<frmInfo> splash = new frmInfo;
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->show();
        QVERIFY(!splashMode() && !splash->okVisible()); // the box took the mode over
        QCOMPARE(splash->readMeText(), QStringLiteral("For more information see README.TXT!"));
        auto *timer = splash->findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive() && !splashDone());
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout")); // the splash time is over
        QVERIFY(splashDone());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(splash.isNull());
    }

    // As a dialog it waits for OK; its flags switch the box and store the language.
    void asDialogItWaitsForOkAndSwitchesLanguage()
    {
        setSplashDone(false);
        frmInfo info;
        info.show();
        QVERIFY(info.okVisible());
        QVERIFY(!info.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
        info.imgLang_Click(1); // the language in use: nothing is written
        QVERIFY(m_folder.read(QStringLiteral("Quendo.ini")).isEmpty());
        info.imgLang_Click(6);
        QCOMPARE(currentLanguage().index(), 6);
        QCOMPARE(info.readMeText(), QStringLiteral("Pour plus d'informations, voir README.TXT!"));
        QVERIFY(m_folder.read(QStringLiteral("Quendo.ini")).contains("Sprache= 6000\r\n"));
        info.cmdOK_Click();
        QVERIFY(!info.isVisible() && !splashDone());
    }
};

QTEST_MAIN(TestFrmInfo)
#include "tst_frminfo.moc"
