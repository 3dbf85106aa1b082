// What another program on the desktop offers: the text of a file on the clipboard, as a text
// editor holds what was copied from it, or files to drag, as a file manager's window does.
//     desktopsource --copy FILE        owns the clipboard (the file's UTF-8 text) until killed
//     desktopsource --drag PATH...     a window at 880,660 (120 x 80); a drag from it carries
//                                      the files
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <cstdio>

namespace {

class DragSource : public QLabel
{
public:
    explicit DragSource(QList<QUrl> urls) : m_urls(std::move(urls))
    {
        setText(QStringLiteral("files"));
        setWindowTitle(QStringLiteral("desktopsource"));
        setGeometry(880, 660, 120, 80);
    }

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        auto *data = new QMimeData;
        data->setUrls(m_urls);
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        // A file manager offers to move as well; the target decides.
        const Qt::DropAction done = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
        std::printf("dropped: %s\n", done == Qt::CopyAction   ? "copy"
                                     : done == Qt::MoveAction ? "move"
                                                              : "none");
        std::fflush(stdout);
    }

private:
    QList<QUrl> m_urls;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == u"--copy") {
        QFile file(args[1]);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        QGuiApplication::clipboard()->setText(QString::fromUtf8(file.readAll()));
        return app.exec();
    }
    if (args.size() >= 2 && args[0] == u"--drag") {
        QList<QUrl> urls;
        for (const QString &path : args.mid(1))
            urls << QUrl::fromLocalFile(path);
        DragSource source(urls);
        source.show();
        return app.exec();
    }
    std::fprintf(stderr, "usage: desktopsource --copy FILE | --drag PATH...\n");
    return 2;
}
