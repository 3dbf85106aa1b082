// The teacher's windows with a full word list (32767 entries), from the real main window: the
// options dialog from the click to its first paint, the editor from the click to its list's
// first paint, deleting 100 selected entries, adding one entry, saving; then, each on a new empty
// list, 5 000 lines pasted into the entry box, a 32767-line file dropped on the list, two
// million lines pasted (short ones, all read, and the list's own, over the bound) and a 16 MB
// spreadsheet CSV dropped, each to the message that tells what did not go in. Last, the memory
// the process holds before the first editor opened and after the last one closed.
//     bench_teacher [runs]        (QT_QPA_PLATFORM=offscreen, or a display)
#include "BenchFolder.h"
#include "Dialogs.h"
#include "frmOpt.h"
#include "frmQuendo.h"
#include "Language.h"
#include "Places.h"
#include "TempDir.h"
#include "WEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

// Answers every question with Yes and every input box (New file's) with "Leer"; counts the
// messages.
class QuietDialogs : public Dialogs
{
public:
    bool askYesNo(QWidget *, const QString &, const QString &) override { return true; }
    bool askOkCancel(QWidget *, const QString &, const QString &) override { return true; }
    void message(QWidget *, const QString &, const QString &, Icon) override { ++messages; }
    std::optional<QString> input(QWidget *, const QString &, const QString &) override
    {
        return QStringLiteral("Leer");
    }
    int messages = 0;
};

// A figure of /proc/self/status in MB ("VmRSS", "VmHWM").
double memoryMb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field) + 1).trimmed().split(' ').first().toDouble() / 1024;
    }
    return -1;
}

// Calls back once, at the first paint of a widget of the given name.
class FirstPaint : public QObject
{
public:
    FirstPaint(QString name, std::function<void()> then)
        : m_name(std::move(name)), m_then(std::move(then))
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_then && event->type() == QEvent::Paint && watched->objectName() == m_name) {
            auto then = std::exchange(m_then, nullptr);
            then();
        }
        return false;
    }

private:
    QString m_name;
    std::function<void()> m_then;
};

// 32767 entries of letters and blanks, Windows-1252 with CR LF, in no particular order.
QByteArray fullList()
{
    const char *syllables[] = {"ka", "mel", "tor", "bi",    "sun", "dra", "\xe4u", "pfe",   "lin",
                               "go", "ber", "stu", "w\xf6", "fi",  "ran", "del",   "m\xfc", "zo"};
    constexpr int count = int(std::size(syllables));
    QByteArray file;
    for (int i = 0; i < 32767; ++i) {
        QByteArray entry;
        for (int k = 0, n = i * 7919 + 13; k < 2 + i % 5; ++k, n /= count)
            entry += syllables[n % count];
        entry[0] = char(QChar::fromLatin1(entry[0]).toUpper().toLatin1());
        if (i % 11 == 0)
            entry += " im Wald";
        file += entry + "\r\n";
    }
    return file;
}

double ms(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const BenchFolder dir;
    if (!dir.ready())
        return 1;
    const QByteArray words = fullList();
    const QString folder = dir.path() + u'/' + Language().folder();
    QDir(dir.path()).mkdir(Language().folder());
    writeFileAtomically(folder + QStringLiteral("/quendo.dat"), words);
    writeFileAtomically(dir.path() + QStringLiteral("/Quendo.ini"),
                        "[Einstellungen]\r\nSound= 0\r\nnumPlayers= 1\r\n");

    const QString dropped = dir.path() + QStringLiteral("/Liste.txt");
    writeFileAtomically(dropped, words);
    const QStringList lines = QString::fromLatin1(words).split(QStringLiteral("\r\n"));
    const QString pasted = lines.mid(0, 5000).join(u'\n');
    constexpr int kMillions = 2'000'000;
    QString shortLines;
    QString listLines;
    for (int i = 0; i < kMillions; ++i) {
        shortLines += QStringView(lines[i % 32767]).left(5 + i % 2);
        shortLines += u'\n';
        listLines += lines[i % 32767] + u'\n';
    }
    // A spreadsheet's export where the comma is the decimal point: cells end at semicolons.
    const QString csv = dir.path() + QStringLiteral("/Tabelle.csv");
    QByteArray table;
    for (int i = 0; table.size() < 16 * 1024 * 1024 - 200; ++i)
        table += words.mid((i * 7919) % (words.size() - 100), 60).replace("\r\n", ";") + "\r\n";
    writeFileAtomically(csv, table);

    QuietDialogs dialogs;
    frmQuendo window(dialogs);
    window.show();

    std::map<std::string, std::vector<double>> times;
    const double before = memoryMb("VmRSS");
    double closedOnce = 0;
    for (int run = 0; run < runs; ++run) {
        writeFileAtomically(folder + QStringLiteral("/quendo.dat"), words);
        QElapsedTimer clock;
        frmOpt *options = nullptr;
        WEdit *editor = nullptr;
        int shownEntries = 0;
        int remaining = 0;
        int afterPaste = 0;
        int afterDrop = 0;
        int afterCsv = 0;
        int told = 0;
        auto work = [&] {
            auto *text1 = editor->findChild<QLineEdit *>(QStringLiteral("Text1"));
            auto *list1 = editor->findChild<QListView *>(QStringLiteral("List1"));
            shownEntries = list1->model()->rowCount();
            // The list is full: deleting comes first, so that there is room to add.
            QItemSelection rows;
            for (int i = 0; i < 100; ++i) {
                const QModelIndex at = list1->model()->index(i * 300 + 7, 0);
                rows.select(at, at);
            }
            list1->selectionModel()->select(rows, QItemSelectionModel::Select);
            clock.start();
            editor->Loesch_Click();
            QCoreApplication::processEvents();
            times["delete 100 selected"].push_back(ms(clock));

            text1->setText(QStringLiteral("Zebrafink"));
            clock.start();
            editor->Hinzuf_Click();
            QCoreApplication::processEvents();
            times["add one entry"].push_back(ms(clock));
            remaining = list1->model()->rowCount();

            clock.start();
            editor->Speichern_Click();
            times["save"].push_back(ms(clock));

            const auto paste = [&](const QString &text, const char *what) {
                editor->cmdNeu_Click();
                QGuiApplication::clipboard()->setText(text);
                QKeyEvent keys(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
                const int told = dialogs.messages;
                clock.start();
                QApplication::sendEvent(text1, &keys);
                QCoreApplication::processEvents();
                times[what].push_back(ms(clock));
                QGuiApplication::clipboard()->clear();
                return dialogs.messages - told;
            };
            const auto drop = [&](const QString &path, const char *what) {
                editor->cmdNeu_Click();
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(path)});
                QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
                QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
                const int told = dialogs.messages;
                clock.start();
                QApplication::sendEvent(list1->viewport(), &enter);
                QApplication::sendEvent(list1->viewport(), &dropped);
                QCoreApplication::processEvents();
                times[what].push_back(ms(clock));
                return dialogs.messages - told;
            };
            told = paste(pasted, "paste 5 000 lines");
            afterPaste = list1->model()->rowCount();
            told += drop(dropped, "drop a 32767-line file");
            afterDrop = list1->model()->rowCount();
            told += paste(shortLines, "paste 2 000 000 lines") +
                    paste(listLines, "paste 2 000 000, > 16 MB") + drop(csv, "drop a 16 MB CSV");
            afterCsv = list1->model()->rowCount();
            editor->OK_Click();
        };
        FirstPaint editorShown(QStringLiteral("qt_scrollarea_viewport"), [&] {
            times["editor: click to shown"].push_back(ms(clock));
            editor = qobject_cast<WEdit *>(QApplication::activeModalWidget());
            QTimer::singleShot(0, work);
        });
        FirstPaint optionsShown(QStringLiteral("frmOpt"), [&] {
            times["options: click to shown"].push_back(ms(clock));
            options = qobject_cast<frmOpt *>(QApplication::activeModalWidget());
            QTimer::singleShot(0, [&] {
                qApp->removeEventFilter(&editorShown);
                qApp->installEventFilter(&editorShown);
                clock.start();
                options->EditButt_Click();
                options->reject();
            });
        });
        qApp->removeEventFilter(&editorShown); // armed once the options dialog shows
        clock.start();
        window.PicBut_Click(4);
        if (shownEntries != 32767 || remaining != 32668 || afterPaste != 5000 ||
            afterDrop != 32767 || afterCsv != 32767 || told != 3)
            return 2;
        if (run == 0)
            closedOnce = memoryMb("VmRSS");
    }
    std::printf("%d runs, %lld bytes of words (%s)\n", runs, static_cast<long long>(words.size()),
                qPrintable(QGuiApplication::platformName()));
    for (auto &[what, samples] : times) {
        std::sort(samples.begin(), samples.end());
        std::printf("%-26s median %7.2f ms   worst %7.2f ms\n", what.c_str(),
                    samples[samples.size() / 2], samples.back());
    }
    std::printf("memory: %.0f MB before the first editor, %.0f MB after it closed, %.0f MB after "
                "the last; peak %.0f MB (the texts to paste alone take %.0f MB)\n",
                before, closedOnce, memoryMb("VmRSS"), memoryMb("VmHWM"),
                double(shortLines.size() + listLines.size()) * 2 / 1024 / 1024);
    return 0;
}
