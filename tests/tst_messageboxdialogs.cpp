#include "Language.h"
#include "MessageBoxDialogs.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// The texts of the open box's buttons, in their order on the screen.
QStringList buttonTexts(const QWidget *box)
{
    QStringList texts;
    const auto *buttons = box->findChild<QDialogButtonBox *>();
    for (const QAbstractButton *b : buttons->findChildren<QAbstractButton *>()) {
        if (b->isVisible())
            texts << b->text();
    }
    texts.sort();
    return texts;
}

} // namespace

// The real message and input boxes: their standard buttons speak the current language.
class TestMessageBoxDialogs : public QObject
{
    Q_OBJECT
    ProgramFolder m_folder;
    MessageBoxDialogs m_dialogs;
    int m_width = 0; // of the last box opened

    // Runs show (which opens a box and waits); once the box is open, notes its buttons and
    // presses the one with the given text.
    QStringList whenOpen(const QString &press, const std::function<void()> &show)
    {
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            if (auto *line = box->findChild<QLineEdit *>())
                line->setText("Tiere");
            seen = buttonTexts(box);
            m_width = box->width();
            for (QAbstractButton *b : box->findChildren<QAbstractButton *>()) {
                if (b->text() == press)
                    b->click();
            }
        });
        show();
        return seen;
    }

private slots:
    void initTestCase() { installLanguageTable(m_folder.path()); }

    void yesNo_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("no");
        QTest::newRow("German") << 0 << "&Ja"
                                << "&Nein";
        QTest::newRow("English") << 1000 << "&Yes"
                                 << "&No";
        QTest::newRow("Swedish") << 2000 << "&Ja"
                                 << "&Nej";
        QTest::newRow("Italian") << 3000 << "&Sì"
                                 << "&No";
        QTest::newRow("Portuguese") << 4000 << "&Sim"
                                    << "&Não";
        QTest::newRow("Spanish") << 5000 << "&Sí"
                                 << "&No";
        QTest::newRow("French") << 6000 << "&Oui"
                                << "&Non";
    }
    void yesNo()
    {
        QFETCH(int, base);
        QFETCH(QString, yes);
        QFETCH(QString, no);
        setCurrentLanguage(Language::fromBase(base));
        bool answer = true;
        const QStringList seen = whenOpen(
            no, [&] { answer = m_dialogs.askYesNo(nullptr, GetLang(base + 142), "Quendo"); });
        QCOMPARE(seen, QStringList({std::min(yes, no), std::max(yes, no)}));
        QVERIFY(!answer);
        whenOpen(yes, [&] { answer = m_dialogs.askYesNo(nullptr, GetLang(base + 142), "Quendo"); });
        QVERIFY(answer);
    }

    void okCancelMessageAndInput_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("German") << 0 << "OK"
                                << "Abbrechen";
        QTest::newRow("Swedish") << 2000 << "OK"
                                 << "Avbryt";
        QTest::newRow("Portuguese") << 4000 << "OK"
                                    << "Cancelar";
        QTest::newRow("Spanish") << 5000 << "Aceptar"
                                 << "Cancelar";
        QTest::newRow("French") << 6000 << "OK"
                                << "Annuler";
    }
    void okCancelMessageAndInput()
    {
        QFETCH(int, base);
        QFETCH(QString, ok);
        QFETCH(QString, cancel);
        setCurrentLanguage(Language::fromBase(base));
        const QStringList sortedBoth = QStringList({std::min(ok, cancel), std::max(ok, cancel)});
        bool answer = false;
        QCOMPARE(whenOpen(ok, [&] { answer = m_dialogs.askOkCancel(nullptr, "?", ""); }),
                 sortedBoth);
        QVERIFY(answer);
        QCOMPARE(
            whenOpen(
                ok, [&] { m_dialogs.message(nullptr, "!", "Quendo", Dialogs::Icon::Information); }),
            QStringList({ok}));
        std::optional<QString> typed;
        QCOMPARE(whenOpen(ok, [&] { typed = m_dialogs.input(nullptr, "Name:", "Neue Datei"); }),
                 sortedBoth);
        QCOMPARE(typed, std::optional<QString>("Tiere"));
        QVERIFY(m_width >= 320); // room for a name, and for the title
        whenOpen(cancel, [&] { typed = m_dialogs.input(nullptr, "Name:", "Neue Datei"); });
        QCOMPARE(typed, std::nullopt);
    }
};

QTEST_MAIN(TestMessageBoxDialogs)
#include "tst_messageboxdialogs.moc"
