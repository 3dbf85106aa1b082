// What the teacher's windows work on in a test: a private program folder with the language
// table and a German word folder, a game state, a word pool, scripted questions and a record of
// reported errors.
#pragma once

#include "FakeDialogs.h"
#include "GameState.h"
#include "Language.h"
#include "TeacherTools.h"
#include "TestSupport.h"
#include "WordPool.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QMap>
#include <QTest>
#include <QWidget>

struct TeacherFixture
{
    ProgramFolder folder;
    FakeDialogs dialogs;
    GameState state;
    WordPool pool;
    ErrorRecorder errors;

    explicit TeacherFixture(const QMap<QString, QByteArray> &words = {
                                {"quendo.dat", "Apfel\r\nBirne\r\n"}})
    {
        installLanguageTable(folder.path());
        setCurrentLanguage(Language());
        QDir(folder.path()).mkdir("deutsch");
        for (auto it = words.begin(); it != words.end(); ++it)
            folder.write("deutsch/" + it.key(), it.value());
        for (int i = 0; i < kMaxPlayers; ++i)
            state.playerNames[size_t(i)] = QString("Spieler %1").arg(i + 1);
    }

    TeacherTools tools(int lettersAcross = 20) { return {state, pool, dialogs, lettersAcross}; }
    QByteArray ini() const { return folder.read("Quendo.ini"); }
    QByteArray words(const QString &file) const { return folder.read("deutsch/" + file); }
};

template <typename T> T *child(const QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

inline void activate(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// What a user would find amiss in a window: a caption wider than its control, controls covering
// each other (by more than the one pixel some designs have), a control reaching out of its
// parent, Qt's English context menu, a control that Tab skips or a screen reader cannot name.
inline QStringList untidy(const QWidget *window)
{
    QStringList problems;
    const auto controls = window->findChildren<QWidget *>();
    auto ink = [](const QWidget *w) {
        QRect r = w->geometry();
        if (w->inherits("QLabel") && w->property("frameShape").toInt() == 0)
            r.setWidth(std::min(r.width(), w->sizeHint().width()));
        return r;
    };
    for (QWidget *w : controls) {
        const bool operated = w->inherits("QAbstractButton") || w->inherits("QAbstractSlider") ||
                              w->inherits("QLineEdit") || w->inherits("QAbstractItemView");
        if ((w->inherits("QLineEdit") || w->inherits("QScrollBar")) &&
            w->contextMenuPolicy() != Qt::NoContextMenu)
            problems << w->objectName() + " English menu";
        if (operated && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            const QString name = a ? a->text(QAccessible::Name) : QString();
            if (!(w->focusPolicy() & Qt::TabFocus) || name.isEmpty() || name.contains(u'&'))
                problems << w->objectName() + " unreachable";
        }
        if (!w->isVisibleTo(window) || w->parentWidget()->inherits("QAbstractScrollArea") ||
            w->parentWidget()->inherits("QScrollBar") || w->inherits("QScrollBar"))
            continue;
        const bool caption = w->inherits("QLabel") || w->inherits("QAbstractButton");
        if (caption && w->width() < w->sizeHint().width())
            problems << w->objectName() + " cut";
        if (!w->parentWidget()->rect().contains(w->geometry()))
            problems << w->objectName() + " outside";
        for (const QWidget *other : controls) {
            if (other == w || other->parentWidget() != w->parentWidget() ||
                !other->isVisibleTo(window) || other->objectName() <= w->objectName())
                continue;
            const QRect both = ink(w).intersected(ink(other));
            if (both.width() > 1 && both.height() > 1)
                problems << w->objectName() + " covers " + other->objectName();
        }
    }
    return problems;
}
