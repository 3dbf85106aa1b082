#include "BilingualMessageBoxes.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString kYes = QStringLiteral("Ja / Yes");
const QString kNo = QStringLiteral("Nein / No");
const QString kOk = QStringLiteral("OK");
const QString kCancel = QStringLiteral("Abbrechen / Cancel");

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

// The report's texts separate lines with CR LF; a message box wants plain line feeds.
QString lines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// True when the first button was clicked; Escape and the close box choose the second.
bool ask(QWidget *parent, const QString &text, const QString &title, const QString &first,
         const QString &second)
{
    QMessageBox box(QMessageBox::Question, title, lines(text), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton *yes = box.addButton(first, QMessageBox::YesRole);
    QPushButton *no = box.addButton(second, QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace

bool BilingualMessageBoxes::askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    return ask(parent, text, title, kYes, kNo);
}

bool BilingualMessageBoxes::askOkCancel(QWidget *parent, const QString &text, const QString &title)
{
    return ask(parent, text, title, kOk, kCancel);
}

void BilingualMessageBoxes::message(QWidget *parent, const QString &text, const QString &title,
                                    Icon icon)
{
    QMessageBox box(toQt(icon), title, lines(text), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(box.addButton(kOk, QMessageBox::AcceptRole));
    box.exec();
}

std::optional<QString> BilingualMessageBoxes::input(QWidget *parent, const QString &prompt,
                                                    const QString &title)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setOkButtonText(kOk);
    dialog.setCancelButtonText(kCancel);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
