#include "BoardView.h"

#include "BoardControls.h"
#include "BoardStyle.h"
#include "BoardSurface.h"
#include "ClickableImage.h"
#include "Dialogs.h"
#include "RunTimeError.h"
#include "Sound.h"
#include "Speech.h"
#include "Spoken.h"
#include "TextIds.h"
#include "Utilities.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>

BoardView::BoardView(QWidget *window, BoardControls &controls, const PictureClip &letters,
                     Dialogs &dialogs)
    : QObject(window), m_window(window), m_controls(controls), m_letters(letters),
      m_dialogs(dialogs), m_pauseWait(Verzoegerung)
{
}

void BoardView::startClosing()
{
    m_closing = true;
    emit woken();
}

// --- questions ---------------------------------------------------------------------------

bool BoardView::askYesNo(const QString &text, const QString &title)
{
    if (m_closing)
        return false;
    const bool yes = m_dialogs.askYesNo(m_window, text, title);
    return yes && !m_closing;
}

void BoardView::showMessage(const QString &text, const QString &title, bool informationIcon)
{
    if (!m_closing)
        m_dialogs.message(m_window, text, title,
                          informationIcon ? Dialogs::Icon::Information : Dialogs::Icon::None);
}

// --- player panels -----------------------------------------------------------------------

int BoardView::checkedSlot(int slot) const
{
    if (slot < 0 || slot >= int(m_controls.name.size()))
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(slot));
    return slot;
}

void BoardView::setPlayerName(int slot, const QString &shown)
{
    m_controls.name[checkedSlot(slot)]->setText(shown);
}

void BoardView::setPlayerScore(int slot, const QString &text)
{
    m_controls.score[checkedSlot(slot)]->setText(text);
}

void BoardView::setHighlight(int slot, bool on)
{
    m_controls.name[checkedSlot(slot)]->setStyleSheet(BoardStyle::nameStyle(on));
    if (on)
        m_turn = slot;
    else if (m_turn == slot)
        m_turn = -1;
    describeTurn(slot);
}

void BoardView::describeTurn(int slot)
{
    QLabel *name = m_controls.name[checkedSlot(slot)];
    name->setAccessibleDescription(slot == m_turn ? uiText(Txt::YourTurn).arg(name->text())
                                                  : QString());
}

void BoardView::renameForLanguage()
{
    for (int position = 1; position < m_controls.feld.size(); ++position)
        nameCell(position);
    describeWordField();
    namePicture();
    for (int slot = 0; slot < int(m_controls.name.size()); ++slot)
        describeTurn(slot);
}

void BoardView::setSlotVisible(int slot, bool visible)
{
    checkedSlot(slot);
    m_controls.panel[slot]->setVisible(visible);
    m_controls.name[slot]->setVisible(visible);
    m_controls.score[slot]->setVisible(visible);
}

int BoardView::textWidth(const QString &text) const
{
    return QFontMetrics(m_controls.name[0]->font()).horizontalAdvance(text);
}

int BoardView::nameLabelWidth(int slot) const
{
    const QLabel *label = m_controls.name[checkedSlot(slot)];
    return label->contentsRect().width() - BoardStyle::kNamePadding;
}

// --- picture sequence ------------------------------------------------------------------

void BoardView::showEmptyBoard()
{
    m_controls.sequence->setPixmap(m_tafel);
    m_controls.sequence->show();
    m_stage = 0;
    namePicture();
}

void BoardView::namePicture()
{
    m_controls.sequence->setAccessibleName(uiText(Txt::PictureStage).arg(m_stage));
}

void BoardView::loadPictureSet(int bitmapId)
{
    m_clpBild.announce(bitmapId);
}

void BoardView::showStage(int stage)
{
    m_controls.sequence->setPixmap(m_clpBild.stage(stage, m_window->devicePixelRatioF()));
    m_stage = stage;
    namePicture();
}

// --- word field and strip ----------------------------------------------------------------

QLabel *BoardView::checkedCell(int position) const
{
    if (position < 1 || position >= m_controls.feld.size())
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(position));
    return m_controls.feld[position];
}

void BoardView::removeWordCells()
{
    while (m_controls.feld.size() > 1)
        delete m_controls.feld.takeLast();
    m_cellCharacters.clear();
    describeWordField();
}

void BoardView::nameCell(int position)
{
    const QChar shown = m_cellCharacters.at(position - 1);
    checkedCell(position)->setAccessibleName(shown.isNull() ? uiText(Txt::NotFoundYet)
                                                            : QString(shown));
}

void BoardView::describeWordField()
{
    // A gap between words is a cell never shown.
    Spoken::Cells cells = m_cellCharacters;
    for (int position = 1; position < m_controls.feld.size(); ++position) {
        if (cells.at(position - 1).isNull() && m_controls.feld[position]->isHidden())
            cells[position - 1] = u' ';
    }
    m_controls.picBG->setAccessibleDescription(
        cells.isEmpty() ? QString() : uiText(Txt::TheWord).arg(Spoken::spelled(cells)));
}

void BoardView::createWordCell(int position, int left)
{
    QList<QLabel *> &feld = m_controls.feld;
    if (position != feld.size())
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(position));
    const QLabel *model = feld[0];
    auto *cell = new QLabel(m_controls.picBG);
    cell->setObjectName(QStringLiteral("Feld%1").arg(position));
    cell->setScaledContents(true);
    cell->setPixmap(model->pixmap());
    cell->setGeometry(left, model->y(), model->width(), model->height());
    cell->hide();
    feld.append(cell);
    m_cellCharacters.append(QChar());
    nameCell(position);
}

void BoardView::showLetter(int position, int sheetCell, CellLook look)
{
    const QPixmap letter = m_letters.cell(sheetCell);
    checkedCell(position)->setPixmap(look == CellLook::Solution ? BoardStyle::solutionLetter(letter)
                                                                : letter);
    m_cellCharacters[position - 1] = Alphabet::characterOfCell(sheetCell);
    nameCell(position);
    describeWordField();
}

void BoardView::setWordCellVisible(int position, bool visible)
{
    checkedCell(position)->setVisible(visible);
    describeWordField();
}

int BoardView::templateCellWidth() const
{
    return m_controls.feld[0]->width();
}

int BoardView::boardScaleWidth() const
{
    return m_controls.picBG->width();
}

void BoardView::showStripButton(int button, bool available, bool enabled)
{
    if (button < 0 || button >= int(m_controls.alpha.size()) || !m_controls.alpha[button])
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(button));
    ClickableImage *letter = m_controls.alpha[size_t(button)];
    letter->setVisible(available);
    letter->setEnabled(enabled);
}

void BoardView::showNext(bool visible)
{
    // Next shows when a word is over: its chalk drawing stays on the board, and its set is no
    // longer needed.
    if (visible)
        m_clpBild.release();
    m_controls.next()->setVisible(visible);
}

void BoardView::focusNext()
{
    m_controls.next()->setFocus();
}

void BoardView::setStartEnabled(bool enabled)
{
    m_controls.start()->setEnabled(enabled);
}

// --- waits -------------------------------------------------------------------------------

void BoardView::processEvents()
{
    if (!m_closing)
        QCoreApplication::processEvents();
}

void BoardView::pause(double seconds)
{
    if (!m_closing)
        m_pauseWait(seconds);
}

void BoardView::waitUntil(const std::function<bool()> &released)
{
    while (!m_closing && !released()) {
        QEventLoop loop;
        connect(this, &BoardView::woken, &loop, &QEventLoop::quit);
        if (loop.exec() != 0)
            break; // the application is ending
    }
}

void BoardView::wake()
{
    emit woken();
}

void BoardView::setBusyCursor(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void BoardView::closeWindow()
{
    m_window->close();
}

void BoardView::play(Wav::Id id)
{
    PlayWAV(id);
}

void BoardView::say(const QString &text)
{
    Say(text, true);
}

void BoardView::sayAfter(const QString &text)
{
    Say(text, false);
}
