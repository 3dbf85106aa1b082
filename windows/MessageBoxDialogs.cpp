#include "MessageBoxDialogs.h"

#include "Language.h"
#include "TextIds.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

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

constexpr int kLeastInputWidth = 320;
constexpr int kTitleBarRoom = 200;

} // namespace

MessageBoxDialogs::MessageBoxDialogs()
    : m_texts([] {
          return ButtonTexts{uiText(Txt::ButtonYes), uiText(Txt::ButtonNo), uiText(Txt::ButtonOk),
                             uiText(Txt::ButtonCancel)};
      })
{
}

MessageBoxDialogs MessageBoxDialogs::bilingual()
{
    return MessageBoxDialogs([] {
        return ButtonTexts{QStringLiteral("Ja / Yes"), QStringLiteral("Nein / No"),
                           QStringLiteral("OK"), QStringLiteral("Abbrechen / Cancel")};
    });
}

int MessageBoxDialogs::run(int icon, QWidget *parent, const QString &text, const QString &title,
                           int buttons) const
{
    QMessageBox box(QMessageBox::Icon(icon), title, lines(text),
                    QMessageBox::StandardButtons(buttons), parent);
    box.setTextFormat(Qt::PlainText);
    const ButtonTexts texts = m_texts();
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Yes, texts.yes},
        {QMessageBox::No, texts.no},
        {QMessageBox::Ok, texts.ok},
        {QMessageBox::Cancel, texts.cancel},
    };
    for (const auto &[button, caption] : captions) {
        if (QAbstractButton *shown = box.button(button))
            shown->setText(caption);
    }
    return box.exec();
}

bool MessageBoxDialogs::askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    return run(QMessageBox::Question, parent, text, title, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool MessageBoxDialogs::askOkCancel(QWidget *parent, const QString &text, const QString &title)
{
    return run(QMessageBox::Question, parent, text, title, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

void MessageBoxDialogs::message(QWidget *parent, const QString &text, const QString &title,
                                Icon icon)
{
    run(toQt(icon), parent, text, title, QMessageBox::Ok);
}

std::optional<QString> MessageBoxDialogs::input(QWidget *parent, const QString &prompt,
                                                const QString &title)
{
    QInputDialog box(parent);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    const ButtonTexts texts = m_texts();
    box.setOkButtonText(texts.ok);
    box.setCancelButtonText(texts.cancel);
    // Wide enough for a name or a password, and for the title beside the window's buttons. The
    // box sizes itself to its contents, so the room goes to its entry line.
    if (auto *line = box.findChild<QLineEdit *>()) {
        line->setMinimumWidth(
            std::max(kLeastInputWidth, box.fontMetrics().horizontalAdvance(title) + kTitleBarRoom));
        line->setContextMenuPolicy(Qt::NoContextMenu); // Qt's own menu would speak English
    }
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}
