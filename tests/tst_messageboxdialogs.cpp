#include "Language.h"
#include "MessageBoxDialogs.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

// The real message and input boxes: their standard buttons speak the current language.
class TestMessageBoxDialogs : public QObject
{
    Q_OBJECT
    ProgramFolder m_folder;
    MessageBoxDialogs m_dialogs;
    int m_width = 0; // of the last box opened

    // Runs show (which opens a box and waits); once the box is open, types a name where there
    // is a line to type in, notes the buttons' texts (sorted) and presses the one named press.
    QStringList whenOpen(const QString &press, const std::function<void()> &show)
    {
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            if (auto *line = box->findChild<QLineEdit *>())
                line->setText("Tiere");
            m_width = box->width();
            const auto buttons = box->findChild<QDialogButtonBox *>()->buttons();
            for (QAbstractButton *b : buttons)
                seen << b->text();
            seen.sort();
            for (QAbstractButton *b : buttons) {
                if (b->text() == press)
                    b->click();
            }
        });
        show();
        return seen;
    }

private slots:
    void initTestCase() { installLanguageTable(m_folder.path()); }

    void buttonsSpeakTheLanguage_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QStringList>("yesNoOkCancel");
        QTest::newRow("German") << 0 << QStringList{"&Ja", "&Nein", "OK", "Abbrechen"};
        QTest::newRow("Spanish") << 5000 << QStringList{"&Sí", "&No", "Aceptar", "Cancelar"};
        QTest::newRow("French") << 6000 << QStringList{"&Oui", "&Non", "OK", "Annuler"};
    }
    void buttonsSpeakTheLanguage()
    {
        QFETCH(int, base);
        QFETCH(QStringList, yesNoOkCancel);
        setCurrentLanguage(Language::fromBase(base));
        const QString yes = yesNoOkCancel[0], no = yesNoOkCancel[1];
        const QString ok = yesNoOkCancel[2], cancel = yesNoOkCancel[3];
        const auto both = [](QStringList two) {
            two.sort();
            return two;
        };
        const QStringList yesNo = both({yes, no}), okCancel = both({ok, cancel});
        bool answer = true;
        QCOMPARE(whenOpen(no, [&] { answer = m_dialogs.askYesNo(nullptr, "?", "Quendo"); }), yesNo);
        QVERIFY(!answer);
        whenOpen(yes, [&] { answer = m_dialogs.askYesNo(nullptr, "?", "Quendo"); });
        QVERIFY(answer);
        answer = false;
        QCOMPARE(whenOpen(ok, [&] { answer = m_dialogs.askOkCancel(nullptr, "?", ""); }), okCancel);
        QVERIFY(answer);
        const auto message = [&] { m_dialogs.message(nullptr, "!", "", Dialogs::Icon::None); };
        QCOMPARE(whenOpen(ok, message), QStringList{ok});
        std::optional<QString> typed;
        const auto input = [&] { typed = m_dialogs.input(nullptr, "Name:", "Neue Datei"); };
        QCOMPARE(whenOpen(ok, input), okCancel);
        QCOMPARE(typed, std::optional<QString>("Tiere"));
        QVERIFY(m_width >= 320); // room for a name, and for the title
        whenOpen(cancel, input);
        QCOMPARE(typed, std::nullopt);
    }
};

QTEST_MAIN(TestMessageBoxDialogs)
#include "tst_messageboxdialogs.moc"
