#include "ListIntake.h"

#include "ListImport.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>

#include <optional>

ListIntake::ListIntake(QLineEdit *entryBox, QListWidget *list,
                       std::function<void(const QString &)> take,
                       std::function<void(const QString &)> refuse)
    : QObject(entryBox), m_entryBox(entryBox), m_list(list), m_take(std::move(take)),
      m_refuse(std::move(refuse))
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
    const QString text = clipboard->text(mode);
    if (!ListImport::isList(text))
        return false;
    m_take(text);
    return true;
}

bool ListIntake::dropped(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QMimeData *data = drop->mimeData();
    if (!data->hasUrls() &&
        !(data->hasText() && (watched != m_entryBox || ListImport::isList(data->text()))))
        return false;
    // Copied, never moved: the file manager must not take the file away.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type != QEvent::Drop)
        return true;
    if (!data->hasUrls()) {
        m_take(data->text());
        return true;
    }
    // Several files go in together, or none of them does.
    QString text;
    for (const QUrl &url : data->urls()) {
        const std::optional<QString> file =
            url.isLocalFile() ? ListImport::fileText(url.toLocalFile()) : std::nullopt;
        if (!file) {
            m_refuse(url.toDisplayString(QUrl::PreferLocalFile));
            return true;
        }
        text += *file + u'\n';
    }
    m_take(text);
    return true;
}
