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

// Qt's own translations lack some of the program's languages, so the standard buttons take
// their texts from the language table, looked up anew for every box.
struct ButtonText
{
    QMessageBox::StandardButton button;
    int text;
};
constexpr ButtonText kButtonTexts[] = {
    {QMessageBox::Yes, Txt::ButtonYes},
    {QMessageBox::No, Txt::ButtonNo},
    {QMessageBox::Ok, Txt::ButtonOk},
    {QMessageBox::Cancel, Txt::ButtonCancel},
};

QMessageBox::StandardButton run(QMessageBox::Icon icon, QWidget *parent, const QString &text,
                                const QString &title, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, lines(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    for (const ButtonText &b : kButtonTexts) {
        if (QAbstractButton *button = box.button(b.button))
            button->setText(uiText(b.text));
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

constexpr int kLeastInputWidth = 320;
constexpr int kTitleBarRoom = 200;

} // namespace

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
    box.setOkButtonText(uiText(Txt::ButtonOk));
    box.setCancelButtonText(uiText(Txt::ButtonCancel));
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
