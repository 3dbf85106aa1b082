#include "TeacherWindow.h"

#include <QDialog>
#include <QLineEdit>
#include <QScrollBar>

void makeFixedSizeDialog(QDialog *dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
}

void turnOffEnglishMenus(const QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QScrollBar *>(w))
            w->setContextMenuPolicy(Qt::NoContextMenu);
    }
}
