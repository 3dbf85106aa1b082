#include "Language.h"
#include "MessageBoxDialogs.h"
#include "TestSupport.h"
#include "WhenShown.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTest>

#include <functional>

// The real message and input boxes: their standard buttons speak the current language (the
// end-to-end runs answer them in English and Swedish).
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
        const WhenShown opened(isA<QDialog>, [&](QWidget *box) {
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
    void buttonsSpeakTheLanguage()
    {
        installLanguageTable(m_folder.path());
        setCurrentLanguage(Language::fromBase(6000));
        bool answer = true;
        const auto yesNo = [&] { answer = m_dialogs.askYesNo(nullptr, "?", "Quendo"); };
        QCOMPARE(whenOpen("&Non", yesNo), QStringList({"&Non", "&Oui"}));
        QVERIFY(!answer);
        whenOpen("&Oui", yesNo);
        QVERIFY(answer);
        answer = false;
        const auto okCancel = QStringList({"Annuler", "OK"});
        QCOMPARE(whenOpen("OK", [&] { answer = m_dialogs.askOkCancel(nullptr, "?", ""); }),
                 okCancel);
        QVERIFY(answer);
        const auto message = [&] { m_dialogs.message(nullptr, "!", "", Dialogs::Icon::None); };
        QCOMPARE(whenOpen("OK", message), QStringList{"OK"});
        std::optional<QString> typed;
        const auto input = [&] { typed = m_dialogs.input(nullptr, "Nom :", "Nouveau fichier"); };
        QCOMPARE(whenOpen("OK", input), okCancel);
        QCOMPARE(typed, std::optional<QString>("Tiere"));
        QVERIFY(m_width >= 320); // room for a name, and for the title
        whenOpen("Annuler", input);
        QCOMPARE(typed, std::nullopt);
    }
};

QTEST_MAIN(TestMessageBoxDialogs)
#include "tst_messageboxdialogs.moc"
