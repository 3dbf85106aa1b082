// What the teacher's dialogs have in common as windows.
#pragma once

class QDialog;
class QWidget;

// A fixed-size dialog: a title and a close box, nothing to minimise or maximise.
void makeFixedSizeDialog(QDialog *dialog);
// Qt's own context menus of the entry boxes and scroll bars in window would speak English, so
// they are turned off.
void turnOffEnglishMenus(const QWidget *window);
