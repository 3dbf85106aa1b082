#include "ListIntake.h"

#include "VocabularyFile.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>

#include <optional>

ListIntake::ListIntake(QLineEdit *entryBox, QAbstractItemView *list, Handlers handlers)
    : QObject(entryBox), m_entryBox(entryBox), m_list(list), m_handlers(std::move(handlers))
{
    // The list's own model takes no drops; its viewport takes them here.
    m_list->viewport()->setAcceptDrops(true);
    m_list->viewport()->installEventFilter(this);
    m_entryBox->installEventFilter(this);
}

bool ListIntake::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_entryBox && pasted(event)) ||
        ((watched == m_entryBox || watched == m_list->viewport()) && dropped(watched, event)))
        return true;
    return QObject::eventFilter(watched, event);
}

void ListIntake::take(QObject *watched, const QString &text)
{
    // The same bound as a dropped file: a paste of many megabytes would hold the editor for long.
    if (text.size() > VocabularyFile::kMaxFileBytes)
        m_handlers.tooLarge();
    else if (watched == m_entryBox && !ListImport::isList(text))
        m_handlers.line(text);
    else
        m_handlers.list({{text}});
}

bool ListIntake::pasted(QEvent *event)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    QClipboard::Mode mode = QClipboard::Clipboard;
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton &&
        clipboard->supportsSelection())
        mode = QClipboard::Selection;
    else if (event->type() != QEvent::KeyPress ||
             !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste))
        return false;
    take(m_entryBox, clipboard->text(mode));
    return true;
}

bool ListIntake::dropped(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QMimeData *data = drop->mimeData();
    if (!data->hasUrls() && !data->hasText())
        return false;
    // Copied, never moved: the file manager must not take the file away.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type != QEvent::Drop)
        return true;
    if (!data->hasUrls()) {
        take(watched, data->text());
        return true;
    }
    // Several files go in together, or none of them does.
    QList<ListImport::Source> sources;
    for (const QUrl &url : data->urls()) {
        const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
        std::optional<QString> text = path.isEmpty() ? std::nullopt : ListImport::fileText(path);
        if (!text) {
            m_handlers.notText(url.toDisplayString(QUrl::PreferLocalFile));
            return true;
        }
        // A spreadsheet's own export: where a comma is the decimal point, cells end at semicolons.
        sources.append(
            {std::move(*text), QFileInfo(path).suffix().compare(u"csv", Qt::CaseInsensitive) == 0});
    }
    m_handlers.list(sources);
    return true;
}
