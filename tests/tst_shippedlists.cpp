// The word lists and help pages that ship beside the program, as the build left them in the
// program folder.
#include "Alphabet.h"
#include "HelpFile.h"
#include "Language.h"
#include "TestSupport.h"
#include "VocabularyFile.h"

#include <QFile>
#include <QTest>

class TestShippedLists : public QObject
{
    Q_OBJECT
    ProgramFolder m_folder;

private slots:
    void initTestCase() { installLanguageTable(m_folder.path()); }

    void everyLanguageHasAPlayableList_data()
    {
        QTest::addColumn<int>("digit");
        for (int digit = 0; digit < kLanguageCount; ++digit)
            QTest::newRow(qPrintable(Language::fromIndex(digit).folder())) << digit;
    }
    void everyLanguageHasAPlayableList()
    {
        QFETCH(int, digit);
        const Language language = Language::fromIndex(digit);
        QFile file(qEnvironmentVariable("QUENDO_BIN_DIR") + u'/' + language.folder() + u'/' +
                   language.text(146));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QVERIFY(QFile::exists(qEnvironmentVariable("QUENDO_BIN_DIR") + u'/' + helpFileName(digit)));
        const QByteArray bytes = file.readAll();
        // CR LF after every line and nowhere else; no byte-order mark, no undefined bytes.
        QVERIFY(bytes.endsWith("\r\n") && !bytes.startsWith("\xef\xbb\xbf"));
        QCOMPARE(bytes.count('\r') + bytes.count('\n'), 2 * bytes.count("\r\n"));
        for (const char undefinedByte : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'})
            QVERIFY(!bytes.contains(undefinedByte));
        const QStringList entries =
            VocabularyFile::editorEntries(VocabularyFile::readFields(bytes));
        QCOMPARE(entries.size(), bytes.count("\r\n")); // one entry per line, none lost
        QVERIFY2(entries.size() >= 150, qPrintable(QString::number(entries.size())));
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const QString &e = entries[i];
            // Text read as Windows-1252 that was written as UTF-8 would show 'Ã' and a sign.
            QVERIFY2(Alphabet::isSolvable(e, digit) && e.size() <= 23, qPrintable(e));
            QVERIFY2(e == e.trimmed() && !e.contains(QStringLiteral("  ")), qPrintable(e));
            QVERIFY2(i == 0 || VocabularyFile::editorCompare(entries[i - 1], e) <= 0,
                     qPrintable(e));
        }
    }
};

QTEST_GUILESS_MAIN(TestShippedLists)
#include "tst_shippedlists.moc"
