// The vocabulary editor: the entries of one vocabulary file of the current language, kept in
// alphabetical order; add, delete, save, start a new file. Its OK hands the entries to the
// game's word pool.
#pragma once

#include "ListImport.h"
#include "TeacherTools.h"

#include <QDialog>
#include <QStringList>

#include <optional>

class ListIntake;
class QLineEdit;
class EntryList;
class QListView;
class QPushButton;

class WEdit : public QDialog
{
    Q_OBJECT
public:
    // Loads the editor (Form_Load): texts, the longest entry, the file's entries.
    WEdit(const TeacherTools &tools, QWidget *parent = nullptr);
    ~WEdit() override;

    void Hinzuf_Click();
    void Loesch_Click();
    void cmdNeu_Click();
    void Speichern_Click();
    void OK_Click();
    void Abbruch_Click();

    const QStringList &entries() const;

protected:
    // Esc is Abbruch; the window's close box closes without any of the buttons' work.
    void reject() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    // The cells of pasted or dropped texts, as if typed and added one by one; what is left out
    // is told.
    void addEntries(const QList<ListImport::Source> &sources);
    // One pasted line into the entry box where the cursor is, by the rule of a list's line.
    void pasteLine(const QString &text);
    // The lines naming entries left out, each with its reason.
    QString leftOutLines(const QList<ListImport::Intake::LeftOut> &named, qsizetype count) const;
    void tell(const QString &text);
    // Writes the list; false when nothing was written (cancelled, or the write failed).
    bool save();
    // A name for a list that must not go over the file it came from; nothing when cancelled.
    std::optional<QString> askNewName(const QString &prompt, const QString &title);
    void Form_Load();
    void List1_Ini();
    void List1_Click();
    void List1_DblClick();
    void Text1_GotFocus();
    QString filePath() const; // the list read: the user's own before a shipped one
    QString savePath() const;

    TeacherTools m_tools;
    EntryList *m_entries = nullptr; // in the editor's order, as the list shows them
    // A list read only in part (too long, too large, unreadable, entries the editor cannot take)
    // is never saved over.
    QString m_readInPart;
    ListIntake *m_intake = nullptr;
    QLineEdit *m_text1 = nullptr;
    QListView *m_list1 = nullptr;
    QPushButton *m_hinzuf = nullptr;
    QPushButton *m_loesch = nullptr;
    QPushButton *m_cmdNeu = nullptr;
    QPushButton *m_speichern = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_abbruch = nullptr;
};
