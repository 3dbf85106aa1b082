#include "MessageBoxDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Texts of the table separate lines with CR LF; a message box wants plain line feeds.
QString lines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QMessageBox::StandardButton ask(QWidget *parent, const QString &text, const QString &title,
                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Question, title, lines(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

bool MessageBoxDialogs::askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    return ask(parent, text, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBoxDialogs::askOkCancel(QWidget *parent, const QString &text, const QString &title)
{
    return ask(parent, text, title, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void MessageBoxDialogs::message(QWidget *parent, const QString &text, const QString &title,
                                Icon icon)
{
    QMessageBox box(toQt(icon), title, lines(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<QString> MessageBoxDialogs::input(QWidget *parent, const QString &prompt,
                                                const QString &title)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}
