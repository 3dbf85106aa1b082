// The word lists that ship beside the program, as the build left them in the program folder.
#include "Alphabet.h"
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
        const QString bin = qEnvironmentVariable("QUENDO_BIN_DIR");
        QVERIFY(!bin.isEmpty());
        const QString path = bin + u'/' + Language::fromIndex(digit).folder() + u'/' +
                             Language::fromIndex(digit).text(146);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();

        // CR LF after every line and nowhere else; no byte-order mark, no undefined bytes.
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
        for (const char undefinedByte : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'})
            QVERIFY(!bytes.contains(undefinedByte));

        const QStringList entries =
            VocabularyFile::editorEntries(VocabularyFile::readFields(bytes));
        QCOMPARE(entries.size(), bytes.count("\r\n")); // one entry per line, none lost
        QVERIFY2(entries.size() >= 150, qPrintable(QString::number(entries.size())));
        for (const QString &e : entries) {
            // Text read as Windows-1252 that was written as UTF-8 would show 'Ã' and a sign.
            QVERIFY2(Alphabet::isSolvable(e, digit), qPrintable(e));
            QVERIFY2(e.size() <= 23, qPrintable(e));
            QVERIFY2(e == e.trimmed() && !e.contains(QStringLiteral("  ")), qPrintable(e));
        }
        for (qsizetype i = 1; i < entries.size(); ++i) {
            QVERIFY2(VocabularyFile::editorCompare(entries[i - 1], entries[i]) <= 0,
                     qPrintable(entries[i - 1] + QStringLiteral(" > ") + entries[i]));
        }
    }
};

QTEST_GUILESS_MAIN(TestShippedLists)
#include "tst_shippedlists.moc"
