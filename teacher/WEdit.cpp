#include "WEdit.h"

#include "Dialogs.h"
#include "EntryFilter.h"
#include "EntryList.h"
#include "ErrorConvention.h"
#include "FormGeometry.h"
#include "GameState.h"
#include "Language.h"
#include "ListImport.h"
#include "ListIntake.h"
#include "NewFileName.h"
#include "SpokenCaption.h"
#include "TeacherWindow.h"
#include "TextIds.h"
#include "Utilities.h"
#include "VocabularyFile.h"
#include "WordPool.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// An entry as a message names it: a line of a megabyte would fill the screen.
QString shortened(const QString &entry)
{
    constexpr qsizetype kLongest = 40;
    return entry.size() <= kLongest ? entry : entry.left(kLongest - 1) + u'…';
}

// The buttons: object name, text, place in twips.
struct Button
{
    QPushButton *WEdit::*member;
    const char16_t *name;
    int text; // 0: "&OK", the same in every language
    QRect twips;
};

} // namespace

WEdit::WEdit(const TeacherTools &tools, QWidget *parent) : QDialog(parent), m_tools(tools)
{
    setObjectName(QStringLiteral("WEdit"));
    makeFixedSizeDialog(this);
    createControls();
    Form_Load();
}

WEdit::~WEdit()
{
#ifdef __GLIBC__
    // A big paste leaves many small freed blocks that the heap would otherwise keep. The
    // intake goes first: it watches the list.
    delete m_intake;
    delete m_list1;
    m_list1 = nullptr;
    delete m_entries;
    m_entries = nullptr;
    malloc_trim(0);
#endif
}

void WEdit::createControls()
{
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setValidator(new EntryValidator(m_text1));
    m_text1->installEventFilter(this);
    m_entries = new EntryList(this);
    m_list1 = new QListView(this);
    m_list1->setModel(m_entries);
    m_list1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list1->setUniformItemSizes(true);
    m_intake = new ListIntake(
        m_text1, m_list1,
        {[this](const QList<ListImport::Source> &sources) { addEntries(sources); },
         [this](const QString &text) { pasteLine(text); },
         [this](const QString &name) { tell(uiText(Txt::NotATextFile) + u'\n' + name); },
         [this] { tell(uiText(Txt::PasteTooLarge)); }});

    FormGeometry geometry(this, {6180, 4590});
    geometry.add({m_text1, {240, 120, 4000, 285}});
    geometry.add({m_list1, {240, 600, 4000, 3765}});
    static const Button kButtons[] = {
        {&WEdit::m_hinzuf, u"Hinzuf", Txt::Add, {4440, 120, 1500, 455}},
        {&WEdit::m_loesch, u"Loesch", Txt::Delete, {4440, 720, 1500, 455}},
        {&WEdit::m_cmdNeu, u"cmdNeu", Txt::NewFile, {4440, 1680, 1455, 495}},
        {&WEdit::m_speichern, u"Speichern", Txt::Save, {4440, 2400, 1500, 455}},
        {&WEdit::m_ok, u"OK", 0, {4440, 3360, 1500, 455}},
        {&WEdit::m_abbruch, u"Abbruch", Txt::Cancel, {4440, 3960, 1500, 455}},
    };
    for (const Button &b : kButtons) {
        auto *button = new QPushButton(this);
        button->setObjectName(QString::fromUtf16(b.name));
        button->setText(b.text != 0 ? uiText(b.text) : QStringLiteral("&OK"));
        this->*b.member = button;
        geometry.add({button, b.twips, FormGeometry::Fit::Caption, FormGeometry::Anchor::Right, 1});
    }
    turnOffEnglishMenus(this);
    // The entry box is named after the button that adds what it holds, the list after the
    // vocabulary it shows.
    m_text1->setAccessibleName(spokenCaption(uiText(Txt::Add)));
    m_list1->setAccessibleName(spokenCaption(uiText(Txt::Vocabulary)));
    m_hinzuf->setDefault(true);
    m_loesch->setEnabled(false);
    geometry.apply();

    QWidget::setTabOrder(m_text1, m_list1);
    QWidget::setTabOrder(m_list1, m_hinzuf);
    QWidget::setTabOrder(m_hinzuf, m_loesch);
    QWidget::setTabOrder(m_loesch, m_speichern);
    QWidget::setTabOrder(m_speichern, m_ok);
    QWidget::setTabOrder(m_ok, m_abbruch);
    QWidget::setTabOrder(m_abbruch, m_cmdNeu);

    connect(m_hinzuf, &QPushButton::clicked, this, &WEdit::Hinzuf_Click);
    connect(m_loesch, &QPushButton::clicked, this, &WEdit::Loesch_Click);
    connect(m_cmdNeu, &QPushButton::clicked, this, &WEdit::cmdNeu_Click);
    connect(m_speichern, &QPushButton::clicked, this, &WEdit::Speichern_Click);
    connect(m_ok, &QPushButton::clicked, this, &WEdit::OK_Click);
    connect(m_abbruch, &QPushButton::clicked, this, &WEdit::Abbruch_Click);
    connect(m_list1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WEdit::List1_Click);
    connect(m_list1, &QAbstractItemView::doubleClicked, this, &WEdit::List1_DblClick);
}

void WEdit::Form_Load()
{
    Procedure proc(Proc::WEdit::Form_Load);
    if (!proc.step([&] {
            const int across = std::max(m_tools.lettersAcrossBoard, 0);
            if (across > 0)
                m_text1->setMaxLength(across);
        }))
        return;
    if (!proc.step([&] {
            const QString &file = m_tools.state.vocabFile;
            setWindowTitle(file.isEmpty() ? uiText(Txt::EditVocabularyTitle) : file);
        }))
        return;
    List1_Ini();
}

QString WEdit::filePath() const
{
    return VocabularyFile::listPath(m_tools.state.vocabFile);
}

QString WEdit::savePath() const
{
    // An installed copy saves into the user's folder; the shipped list stays as it came.
    return VocabularyFile::saveFolder() + u'/' + m_tools.state.vocabFile;
}

void WEdit::List1_Ini()
{
    Procedure proc(Proc::WEdit::List1_Ini);
    if (!proc.step([&] {
            m_entries->setEntries({});
            m_readInPart.clear();
        }))
        return;
    if (!proc.step([&] {
            m_tools.state.vocabFile = VocabularyFile::editorFileName(m_tools.state.vocabFile);
        }))
        return;
    const QString &file = m_tools.state.vocabFile;
    qsizetype inFile = 0;
    QStringList unkeepable;
    if (!proc.step([&] {
            const QString path = filePath();
            // Until it has been read whole, a file that is there is not to be saved over.
            if (QFileInfo::exists(path))
                m_readInPart = file;
            QStringList entries = VocabularyFile::readEditorEntries(path);
            m_readInPart.clear();
            inFile = entries.size();
            unkeepable = VocabularyFile::takeUnkeepable(entries);
            // A save would drop what the editor could not take.
            if (!unkeepable.isEmpty())
                m_readInPart = file;
            if (entries.size() > VocabularyFile::kMaxEntries) {
                entries.resize(VocabularyFile::kMaxEntries);
                m_readInPart = file;
            }
            VocabularyFile::sortForEditor(entries);
            m_entries->setEntries(std::move(entries));
        }))
        return;
    if (inFile > VocabularyFile::kMaxEntries && !proc.step([&] {
            m_tools.dialogs.message(this, uiText(Txt::ListTooLong).arg(inFile), file,
                                    Dialogs::Icon::Exclamation);
        }))
        return;
    if (!unkeepable.isEmpty())
        proc.step([&] {
            QList<ListImport::Intake::LeftOut> named;
            for (const QString &entry : unkeepable.mid(0, ListImport::Intake::kNamed))
                named.append({trimBlanks(entry).toString(), ListImport::Reason::Unkeepable});
            m_tools.dialogs.message(
                this, uiText(Txt::EntriesNotTaken) + u'\n' + leftOutLines(named, unkeepable.size()),
                file, Dialogs::Icon::Exclamation);
        });
}

void WEdit::Hinzuf_Click()
{
    Procedure proc(Proc::WEdit::Hinzuf_Click);
    if (!proc.step([&] {
            if (m_text1->text().isEmpty())
                return;
            // The entry stays in the box.
            if (m_entries->size() >= VocabularyFile::kMaxEntries) {
                tell(uiText(Txt::ListIsFull));
                return;
            }
            m_entries->insertSorted(m_text1->text());
            m_text1->clear();
        }))
        return;
    proc.step([&] { m_tools.state.vocabChanged = true; });
}

void WEdit::List1_Click()
{
    Procedure proc(Proc::WEdit::List1_Click);
    proc.step([&] {
        if (m_list1->selectionModel()->hasSelection())
            m_loesch->setEnabled(true);
    });
}

void WEdit::List1_DblClick()
{
    Procedure proc(Proc::WEdit::List1_DblClick);
    proc.step([&] {
        if (const QModelIndex current = m_list1->currentIndex(); current.isValid())
            m_text1->setText(m_entries->entries().at(current.row()));
    });
}

void WEdit::Loesch_Click()
{
    Procedure proc(Proc::WEdit::Loesch_Click);
    if (!proc.step([&] {
            QList<int> rows;
            for (const QModelIndex &index : m_list1->selectionModel()->selectedRows())
                rows.append(index.row());
            m_entries->removeEntries(std::move(rows));
        }))
        return;
    proc.step([&] {
        m_loesch->setEnabled(false);
        m_tools.state.vocabChanged = true;
        m_list1->setFocus();
    });
}

void WEdit::cmdNeu_Click()
{
    Procedure proc(Proc::WEdit::cmdNeu_Click);
    proc.step([&] {
        const std::optional<QString> name =
            askNewName(uiText(Txt::NameOfNewFile), withoutAccessKey(uiText(Txt::NewFile)));
        if (!name)
            return;
        // The file itself is made by the next save.
        m_tools.state.vocabFile = *name;
        setWindowTitle(*name);
        m_entries->setEntries({});
    });
}

std::optional<QString> WEdit::askNewName(const QString &prompt, const QString &title)
{
    for (;;) {
        const QString name = NewFileName::withExtension(
            m_tools.dialogs.input(this, prompt, title).value_or(QString()));
        // Nothing typed, or the question cancelled.
        if (name.size() <= 4)
            return std::nullopt;
        const int refusal = !NewFileName::usable(name) ? Txt::FileNameUnusable
                            : name == m_readInPart     ? Txt::ListReadInPart
                            : VocabularyFile::leadsOut(VocabularyFile::saveFolder() + u'/' + name)
                                ? Txt::NameIsLinkOut
                                : 0;
        if (refusal != 0) {
            m_tools.dialogs.message(this, uiText(refusal), title, Dialogs::Icon::Exclamation);
            continue;
        }
        if (QFileInfo::exists(VocabularyFile::listPath(name)) &&
            !m_tools.dialogs.askYesNo(this, uiText(Txt::OverwriteFile), title))
            return std::nullopt;
        return name;
    }
}

const QStringList &WEdit::entries() const
{
    return m_entries->entries();
}

void WEdit::Speichern_Click()
{
    save();
}

bool WEdit::save()
{
    Procedure proc(Proc::WEdit::Speichern_Click);
    const bool readInPart = !m_readInPart.isEmpty() && m_readInPart == m_tools.state.vocabFile;
    if (readInPart || VocabularyFile::leadsOut(savePath())) {
        std::optional<QString> name;
        if (!proc.step([&] {
                name = askNewName(uiText(readInPart ? Txt::SaveUnderNewName : Txt::SaveOverLink),
                                  withoutAccessKey(uiText(Txt::Save)));
            }) ||
            !name)
            return false;
        m_tools.state.vocabFile = *name;
        setWindowTitle(*name);
    }
    const QStringList all = m_entries->entries();
    // A failed write leaves the old file whole, the word pool as it was and the list changed,
    // whatever the answer to the report.
    bool written = false;
    if (!proc.step([&] {
            VocabularyFile::writeFile(savePath(), all);
            written = true;
        }) ||
        !written || !proc.step([&] { m_tools.pool.replace(all); }))
        return false;
    proc.step([&] {
        m_tools.state.vocabChanged = false;
        m_tools.state.settingsChanged = true;
    });
    return true;
}

void WEdit::OK_Click()
{
    Procedure proc(Proc::WEdit::OK_Click);
    if (!proc.step([&] { m_tools.pool.replace(m_entries->entries()); }))
        return;
    bool saved = true;
    if (!proc.step([&] {
            if (!m_tools.state.vocabChanged)
                return;
            if (m_tools.dialogs.askYesNo(this, uiText(Txt::SaveChanges), m_tools.state.vocabFile))
                saved = save();
            m_tools.state.settingsChanged = true;
        }))
        return;
    // A save that did not happen keeps the editor open with the teacher's work.
    if (saved)
        proc.step([&] { accept(); });
}

void WEdit::Abbruch_Click()
{
    Procedure proc(Proc::WEdit::Abbruch_Click);
    if (!proc.step([&] { m_tools.state.vocabChanged = false; }))
        return;
    proc.step([&] { QDialog::reject(); });
}

void WEdit::reject()
{
    Abbruch_Click();
}

void WEdit::closeEvent(QCloseEvent *event)
{
    event->accept();
    QDialog::done(QDialog::Rejected);
}

bool WEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text1 && event->type() == QEvent::FocusIn)
        Text1_GotFocus();
    return QDialog::eventFilter(watched, event);
}

void WEdit::tell(const QString &text)
{
    m_tools.dialogs.message(this, text, windowTitle(), Dialogs::Icon::Exclamation);
}

QString WEdit::leftOutLines(const QList<ListImport::Intake::LeftOut> &named, qsizetype count) const
{
    QStringList lines;
    for (const ListImport::Intake::LeftOut &l : named)
        lines << shortened(l.entry) + QStringLiteral(" – ") +
                     (l.reason == ListImport::Reason::TooLong
                          ? uiText(Txt::TooLongForBoard).arg(m_tools.lettersAcrossBoard)
                          : uiText(Txt::LetterNotKept));
    if (count > named.size())
        lines << uiText(Txt::AndMore).arg(count - named.size());
    return lines.join(u'\n');
}

void WEdit::addEntries(const QList<ListImport::Source> &sources)
{
    Procedure proc(Proc::WEdit::Hinzuf_Click);
    proc.step([&] {
        ListImport::Intake intake(std::max(m_tools.lettersAcrossBoard, 0),
                                  VocabularyFile::kMaxEntries - m_entries->size());
        for (const ListImport::Source &source : sources)
            intake.add(source);
        const ListImport::Merged m =
            ListImport::merged(m_entries->entries(), intake.taken, VocabularyFile::kMaxEntries);
        if (m.added > 0) {
            m_entries->setEntries(m.all);
            const QModelIndex first = m_entries->index(m.firstNew);
            m_list1->setCurrentIndex(first);
            m_list1->scrollTo(first);
            m_tools.state.vocabChanged = true;
        }
        QString text = intake.beyondRoom > 0
                           ? uiText(Txt::ListFull).arg(m.added).arg(intake.beyondRoom)
                           : uiText(Txt::EntriesAdded).arg(m.added);
        if (intake.leftOut > 0)
            text +=
                u'\n' + uiText(Txt::LeftOut) + u'\n' + leftOutLines(intake.named, intake.leftOut);
        if (intake.beyondRoom > 0 || intake.leftOut > 0)
            tell(text);
    });
}

void WEdit::pasteLine(const QString &text)
{
    Procedure proc(Proc::WEdit::Hinzuf_Click);
    proc.step([&] {
        ListImport::Entry e = ListImport::entry(text, 0);
        const int most = std::max(m_tools.lettersAcrossBoard, 0);
        if (!e.leftOut && most > 0 &&
            m_text1->text().size() - m_text1->selectedText().size() + e.text.size() > most)
            e.leftOut = ListImport::Reason::TooLong;
        if (e.leftOut)
            tell(uiText(Txt::LeftOut) + u'\n' + leftOutLines({{e.text, *e.leftOut}}, 1));
        else
            m_text1->insert(e.text);
    });
}

void WEdit::Text1_GotFocus()
{
    Procedure proc(Proc::WEdit::Text1_GotFocus);
    proc.step([&] { m_text1->selectAll(); });
}
