#include "Encrypt.h"
#include "frmOpt.h"
#include "Settings.h"
#include "TeacherFixture.h"
#include "WEdit.h"

#include <QPushButton>
#include <QTimer>

#include <memory>

namespace {

const QString kWrong = "Falsches Passwort!";
const QString kNotStorable =
    "Dieses Passwort kann nicht gespeichert werden. Bitte wählen Sie ein anderes.";
const QString kCharacters = "Das Passwort enthält Zeichen, die Quendo nicht speichern kann. Bitte "
                            "nur Buchstaben, Ziffern und übliche Satzzeichen verwenden.";

} // namespace

// The password of the vocabulary editor, through the buttons of the options dialog: the
// questions asked, what is stored, and whether the editor opens.
class TestPasswordLock : public QObject
{
    Q_OBJECT
    std::unique_ptr<TeacherFixture> m_f;
    std::unique_ptr<frmOpt> m_dialog;

    void open()
    {
        m_dialog = std::make_unique<frmOpt>(m_f->tools());
        m_dialog->show();
    }
    void storePassword(const QByteArray &stored)
    {
        m_f->folder.write("Quendo.ini", "[Einstellungen]\r\npassw=" + stored + "\r\n");
    }
    void changePassword(QList<std::optional<QString>> answers)
    {
        m_f->dialogs.inputs = std::move(answers);
        child<QPushButton>(m_dialog.get(), "Password")->click();
    }
    // Presses EditButt; true when the editor opened (it is closed again at once).
    bool editorOpens(QList<std::optional<QString>> answers = {})
    {
        m_f->dialogs.inputs = std::move(answers);
        auto opened = std::make_shared<bool>(false);
        QTimer::singleShot(0, this, [opened] {
            if (auto *editor = qobject_cast<WEdit *>(QApplication::activeModalWidget())) {
                *opened = true;
                editor->close();
            }
        });
        child<QPushButton>(m_dialog.get(), "EditButt")->click();
        QCoreApplication::processEvents();
        return *opened;
    }
    QByteArray storedLine() const
    {
        const QByteArray ini = m_f->ini();
        const qsizetype at = ini.indexOf("passw=");
        return at < 0 ? QByteArray("<none>") : ini.mid(at, ini.indexOf("\r\n", at) - at);
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const auto &s : m_f->dialogs.shown) {
            if (s.kind == "message")
                texts << s.text;
        }
        return texts;
    }

private slots:
    void init() { m_f = std::make_unique<TeacherFixture>(); }
    void cleanup()
    {
        m_dialog.reset();
        m_f.reset();
    }

    void encrypt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("key used again from its start") << "AAAAA"
                                                       << "vorwv";
        QTest::newRow("Sonne") << "Sonne"
                               << "dA]XR";
        QTest::newRow("upper half of the code page") << "Ä€"
                                                     << "ó®";
        QTest::newRow("no Windows-1252 code: kept") << "xΩ"
                                                    << "OΩ";
        QTest::newRow("key at its own place") << "7.36" << QString(4, QChar(0));
    }
    void encrypt()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString scrambled = Encrypt(text, kPasswordKey);
        QCOMPARE(scrambled, expected);
        QCOMPARE(Encrypt(scrambled, kPasswordKey), text);
    }

    void noPasswordSet()
    {
        open();
        QVERIFY(editorOpens());
        QVERIFY(m_f->dialogs.shown.isEmpty()); // no question
        changePassword({"Sonne", "Sonne"});
        QCOMPARE(m_f->dialogs.texts(), QStringList({"Bitte neues Passwort eingeben",
                                                    "Bitte neues Passwort wiederholen"}));
        QCOMPARE(m_f->dialogs.shown.first().title, "Passwortschutz");
        QCOMPARE(storedLine(), "passw=dA]XR");
        QCOMPARE(m_dialog->lock().editorPassword(), "Sonne");
    }

    void editorQuestion_data()
    {
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("right") << std::optional<QString>("Sonne") << true << QStringList();
        QTest::newRow("cancelled") << std::optional<QString>() << false << QStringList();
        QTest::newRow("nothing typed") << std::optional<QString>("") << false << QStringList();
        QTest::newRow("other case")
            << std::optional<QString>("sonne") << false << QStringList({kWrong});
        QTest::newRow("blank before")
            << std::optional<QString>(" Sonne") << false << QStringList({kWrong});
    }
    void editorQuestion()
    {
        QFETCH(std::optional<QString>, typed);
        QFETCH(bool, opens);
        QFETCH(QStringList, told);
        storePassword("dA]XR");
        open();
        QCOMPARE(editorOpens({typed}), opens);
        QCOMPARE(m_f->dialogs.shown.first().text, "Bitte Passwort eingeben");
        QCOMPARE(m_f->dialogs.shown.first().title, "Passwortschutz");
        QCOMPARE(messages(), told);
        if (!told.isEmpty()) {
            QCOMPARE(m_f->dialogs.shown.last().title, "Quendo");
            QCOMPARE(m_f->dialogs.shown.last().icon, Dialogs::Icon::None);
        }
    }

    void twoChangesInARow()
    {
        open();
        changePassword({"eins", "eins"});
        QCOMPARE(storedLine(), "passw=RG]E");
        changePassword({"falsch", "eins", "zwei", "drei", "zwei", "zwei"});
        QCOMPARE(m_f->dialogs.texts().mid(2),
                 QStringList(
                     {"Bitte altes Passwort eingeben", kWrong, "Bitte altes Passwort eingeben",
                      "Bitte neues Passwort eingeben", "Bitte neues Passwort wiederholen", kWrong,
                      "Bitte neues Passwort eingeben", "Bitte neues Passwort wiederholen"}));
        QCOMPARE(storedLine(), "passw=MYV_");
        QVERIFY(!editorOpens({"eins"}));
        QVERIFY(editorOpens({"zwei"}));
    }

    void cancellingTheOldPasswordChangesNothing()
    {
        storePassword("dA]XR");
        open();
        changePassword({std::nullopt});
        QCOMPARE(m_f->dialogs.kinds(), QStringList({"input"}));
        QCOMPARE(storedLine(), "passw=dA]XR");
    }

    void outerBlanksAreStoredButNotAsked()
    {
        open();
        changePassword({" Sonne ", " Sonne "});
        QCOMPARE(storedLine(), QByteArray("passw=\x17}\\XYK\x13"));
        QVERIFY(!editorOpens({" Sonne "}));
        QVERIFY(editorOpens({"Sonne"}));
    }

    void emptyNewPasswordRemovesTheLock()
    {
        storePassword("dA]XR");
        open();
        changePassword({"Sonne", std::nullopt, std::nullopt});
        QCOMPARE(storedLine(), "passw=");
        QCOMPARE(m_dialog->lock().editorPassword(), "");
        m_f->dialogs.shown.clear();
        QVERIFY(editorOpens());
        QVERIFY(m_f->dialogs.shown.isEmpty());
    }

    void refusedPasswords_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("told"); // empty: taken
        QTest::newRow("= first: a line end") << "=abc" << kNotStorable;
        QTest::newRow("9 third: a line end") << "ab9" << kNotStorable;
        QTest::newRow("> first: a TAB at the start") << ">abc" << kNotStorable;
        QTest::newRow("? fourth and last: a TAB at the end") << "abc?" << kNotStorable;
        QTest::newRow("255 characters") << QString(255, 'a') << kNotStorable;
        QTest::newRow("Greek") << "Ωmega" << kCharacters;
        QTest::newRow("emoji") << "Sonne😀" << kCharacters;
        QTest::newRow("? fourth, not last") << "abc?x"
                                            << "";
        QTest::newRow("= second") << "a=bc"
                                  << "";
        QTest::newRow("254 characters") << QString(254, 'a') << "";
        QTest::newRow("umlauts and euro") << "Grüße€"
                                          << "";
    }
    void refusedPasswords()
    {
        QFETCH(QString, password);
        QFETCH(QString, told);
        open();
        changePassword({password, password, "ok1", "ok1"});
        const QString kept = told.isEmpty() ? password : "ok1";
        QCOMPARE(messages(), told.isEmpty() ? QStringList() : QStringList({told}));
        // The stored form reads back as it went in: a new opening knows the password.
        open();
        QCOMPARE(m_dialog->lock().editorPassword(), kept);
        QVERIFY(editorOpens({kept}));
        // What was refused, the settings file itself would have changed.
        if (!told.isEmpty() && told == kNotStorable) {
            const QString value = Encrypt(password, kPasswordKey);
            SaveIni("Einstellungen", "passw", value);
            QVERIFY(GetIniString("Einstellungen", "passw", QString()) != value);
        }
    }

    void keyCharacterAtItsPlaceNeverLocksOut()
    {
        // It scrambles to NUL: taken when the settings file keeps that, refused when not.
        open();
        changePassword({"7abc", "7abc", "ok1", "ok1"});
        const QString kept = messages().isEmpty() ? "7abc" : "ok1";
        open();
        QCOMPARE(m_dialog->lock().editorPassword(), kept);
        QVERIFY(editorOpens({kept}));
    }
};

QTEST_MAIN(TestPasswordLock)
#include "tst_passwordlock.moc"
