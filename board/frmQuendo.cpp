#include "frmQuendo.h"

#include "BoardSurface.h"
#include "BoardView.h"
#include "Catalogue.h"
#include "ClickableImage.h"
#include "ErrorConvention.h"
#include "KeyPreview.h"
#include "Language.h"
#include "ModResFiles.h"
#include "Places.h"
#include "Settings.h"
#include "SettingsTable.h"
#include "Sound.h"
#include "Speech.h"
#include "StartInvitation.h"
#include "Utilities.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

frmQuendo::frmQuendo(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs),
      m_view(new BoardView(this, m_controls, m_clpLetter, dialogs)),
      m_game(m_state, m_view->roles(), *m_view, *m_view)
{
    setObjectName(QStringLiteral("frmQuendo"));
    setWindowTitle(kAppTitle);
    setWindowIcon(QIcon(QPixmap::fromImage(LoadWindowPicture(u"icon", devicePixelRatioF()))));
    m_controls.build(this);
    connectControls();
    m_keys = new KeyPreview(
        this, [this](QChar key) { m_game.Form_KeyPress(key); }, [this] { m_game.pressNext(); },
        [this] { m_game.sayState(); });
    Form_Load();
    new StartInvitation(m_controls.start(), [this] { return !m_state.gameRunning; });
}

frmQuendo::~frmQuendo()
{
    // The invitation asks the game state whether it is still wanted whenever the button hides,
    // which the base class's destructor does after this object's members are gone.
    delete findChild<StartInvitation *>();
}

void frmQuendo::connectControls()
{
    for (int i = 0; i < BoardStyle::kToolButtons; ++i)
        connect(m_controls.buttons[size_t(i)], &QPushButton::clicked, this,
                [this, i] { PicBut_Click(i); });
    for (int i = 0; i < kLanguageCount; ++i)
        connect(m_controls.flags[size_t(i)], &ClickableImage::clicked, this,
                [this, i] { imgLang_Click(i); });
    connect(m_controls.mnuHilfe, &QAction::triggered, this, &frmQuendo::mnuHilfe_Click);
    connect(m_controls.mnuHomepage, &QAction::triggered, this, &frmQuendo::mnuHomepage_Click);
    connect(m_controls.mnuEMail, &QAction::triggered, this, &frmQuendo::mnuEMail_Click);
    connect(m_controls.mnuUeber, &QAction::triggered, this, &frmQuendo::mnuUeber_Click);
}

void frmQuendo::loadLetterSheet()
{
    m_clpLetter.load(LoadResPicture(Catalogue::kFirstLetterStyle + m_letter, devicePixelRatioF()));
}

void frmQuendo::Form_Load()
{
    Procedure proc(Proc::frmQuendo::Form_Load);
    const auto step = [&](auto &&f) { return proc.step(f); };
    step([&] { QDir::setCurrent(programFolder()); });
    step([&] { m_state.lastLetter = Alphabet::kLastLetter; });
    step([&] { m_game.readSettings(); });
    step([&] { reachByKeyboard(); });
    step([&] {
        m_back = Setting::readInRange(Setting::Background);
        m_letter = Setting::readInRange(Setting::LetterStyle);
    });
    step([&] { loadLetterSheet(); });
    step([&] {
        m_view->setEmptyBoard(QPixmap::fromImage(LoadWindowPicture(u"tafel", devicePixelRatioF())));
    });
    step([&] {
        m_controls.logo->setPixmap(
            QPixmap::fromImage(LoadWindowPicture(u"logo", devicePixelRatioF())));
    });
    step([&] {
        m_controls.feld[0]->setPixmap(m_clpLetter.cell(Alphabet::kBlankCell));
        m_controls.alpha[0]->setPixmap(m_clpLetter.cell(Alphabet::kBlankCell));
    });
    step([&] { posAlpha(); });
    step([&] { loadAlpha(); });
    step([&] {
        setCurrentLanguage(Language::fromBase(Setting::readInRange(Setting::Language)));
        imgLang_Click(currentLanguage().index());
    });
    step([&] { seedRandomFromClock(); });
    step([&] { chooseBoardSize(); });
    step([&] { m_game.zurueck(); });
}

void frmQuendo::reachByKeyboard()
{
    // Read aloud, the game is played without a mouse: Tab reaches the toolbar and the flags,
    // Space presses.
    const Qt::FocusPolicy reached = m_state.speechOn != 0 ? Qt::TabFocus : Qt::NoFocus;
    for (int i = 0; i < BoardStyle::kToolButtons; ++i) {
        if (i != BoardStyle::ToolButton::Next)
            m_controls.buttons[size_t(i)]->setFocusPolicy(reached);
    }
    for (ClickableImage *flag : m_controls.flags)
        flag->setFocusPolicy(reached);
}

void frmQuendo::chooseBoardSize()
{
    // Large-font screens narrower than 1000 pixels shrink the margins; large screens get the
    // large board. A desktop set to large fonts reports 120 logical dpi.
    // Qt scales windows for large fonts and high-density screens itself, so the room is
    // measured in the window's own units. The frame is not known before the window shows:
    // allow for a title bar and borders.
    constexpr QSize kFrame{8, 40};
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize available = s ? s->availableGeometry().size() : BoardLayout::kSmallBoard + kFrame;
    const BoardLayout::BoardChoice choice =
        BoardLayout::chooseBoard(available, kFrame, s ? s->logicalDotsPerInchX() : 96.0);
    m_f = choice.f;
    if (choice.zoom < 1.0)
        m_controls.applyZoom(choice.zoom);
    m_controls.picBG->setGeometry(QRect(QPoint(0, 0), choice.board));
    resize(choice.board);
}

void frmQuendo::posAlpha()
{
    Procedure proc(Proc::frmQuendo::posAlpha);
    auto &alpha = m_controls.alpha;
    for (int i = 1; i <= Alphabet::kLastLetter; ++i) {
        if (!proc.step([&] {
                auto *letter = new ClickableImage(m_controls.picBG);
                letter->setObjectName(QStringLiteral("imgAlpha%1").arg(i));
                letter->setPixmap(alpha[0]->pixmap());
                alpha[size_t(i)] = letter;
            }))
            return;
    }
    for (int i = 0; i <= Alphabet::kLastLetter; ++i) {
        ClickableImage *letter = alpha[size_t(i)];
        letter->resize(BoardStyle::kLetter);
        letter->setEnabled(false);
        letter->setFocusPolicy(Qt::NoFocus);
        connect(letter, &ClickableImage::clicked, this, [this, i] { imgAlpha_Click(i); });
    }
}

void frmQuendo::loadAlpha()
{
    Procedure proc(Proc::frmQuendo::loadAlpha);
    proc.step([&] { m_game.loadStrip(currentLanguage()); });
    for (int i = 0; i <= Alphabet::kLastLetter; ++i) {
        if (!proc.step([&] {
                const LetterStrip::Slot &slot = m_game.strip().slot(i);
                ClickableImage *letter = m_controls.alpha[size_t(i)];
                letter->setPixmap(m_clpLetter.cell(slot.cell));
                letter->setVisible(slot.available);
                letter->setAccessibleName(slot.letter);
            }))
            return;
    }
}

BoardLayout::Input frmQuendo::layoutInput() const
{
    const BoardControls &c = m_controls;
    BoardLayout::Input in;
    in.window = size();
    in.board = c.picBG->size();
    in.f = m_f;
    in.zoom = c.zoom;
    const auto zoomed = [&](QSizeF design) { return (design * c.zoom).toSize(); };
    in.logo = zoomed(c.logo->pixmap().deviceIndependentSize());
    in.sequence =
        zoomed(c.sequence->pixmap().isNull() ? QSizeF(300, 200)
                                             : c.sequence->pixmap().deviceIndependentSize());
    in.noticeHeight = c.notice->height();
    in.panel = c.panel[0]->size();
    in.name = c.name[0]->size();
    in.scoreHeight = c.score[0]->height();
    in.button = c.buttons[0]->size();
    in.flag = c.flags[0]->size();
    in.letter = c.alpha[9] ? c.alpha[9]->size() : BoardStyle::kLetter;
    in.wordLength = m_game.wordLength();
    return in;
}

void frmQuendo::positionieren()
{
    Procedure proc(Proc::frmQuendo::positionieren);
    proc.step([&] {
        if (isMinimized())
            return;
        BoardControls &c = m_controls;
        const BoardLayout::Input in = layoutInput();
        const BoardLayout::Placement p = BoardLayout::place(in);
        c.picBG->move(p.board);
        c.logo->move(p.logo);
        c.logo->resize(in.logo);
        c.sequence->move(p.sequence);
        c.sequence->resize(in.sequence);
        c.notice->move(p.notice);
        for (size_t i = 0; i < c.panel.size(); ++i) {
            c.panel[i]->move(p.panel[i]);
            c.name[i]->move(p.name[i]);
            c.score[i]->setGeometry(p.score[i]);
            // Visibility is only ever switched on here.
            if (int(i) < m_state.numPlayers) {
                c.panel[i]->show();
                c.name[i]->show();
                c.score[i]->show();
            }
        }
        c.toolbar->setGeometry(p.toolbar);
        for (size_t i = 0; i < p.toolButton.size(); ++i) {
            c.buttons[i]->move(p.toolButton[i]);
            c.buttons[i]->show();
        }
        for (size_t i = 0; i < c.flags.size(); ++i) {
            c.flags[i]->move(p.flag[i]);
            c.flags[i]->show();
        }
        for (int i = 0; i <= in.wordLength && i < c.feld.size(); ++i) {
            QLabel *cell = c.feld[i];
            cell->move(i == 0 ? p.wordFieldLeft : cell->x(), p.wordFieldTop);
        }
        for (size_t i = 0; i < c.alpha.size(); ++i)
            c.alpha[i]->move(p.letter[i]);
        c.next()->move(p.nextButton);
        c.picBG->update();
    });
}

void frmQuendo::PaintBack()
{
    Procedure proc(Proc::frmQuendo::PaintBack);
    proc.step([&] {
        BoardSurface *board = m_controls.picBG;
        if (m_f < 1.0f)
            board->setGeometry(rect());
        const QImage picture =
            LoadResPicture(Catalogue::kFirstBackground + m_back, devicePixelRatioF());
        const BoardLayout::Input in = layoutInput();
        board->setBackground(picture, BoardLayout::baseBar(in, BoardLayout::place(in)));
    });
}

void frmQuendo::Form_Resize()
{
    Procedure proc(Proc::frmQuendo::Form_Resize);
    proc.step([&] { positionieren(); });
    proc.step([&] { PaintBack(); });
}

void frmQuendo::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmQuendo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Form_Resize();
}

void frmQuendo::imgAlpha_Click(int index)
{
    m_game.imgAlpha_Click(index);
}

// --- end of the program -------------------------------------------------------------------

void frmQuendo::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_view->closing())
        return;
    Procedure proc(Proc::frmQuendo::Form_Unload);
    proc.step([&] {
        m_keys->stop();
        m_view->startClosing();
    });
    proc.step([&] { Shutdown(); });
}

void frmQuendo::Shutdown()
{
    // Every error is ignored: each step goes on with the next.
    Procedure proc(Proc::Allgemein::Shutdown);
    const auto windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget *w = *it;
        proc.step([&] {
            if (w != this && w->isVisible())
                w->close();
        });
    }
    proc.step([&] { m_view->setBusyCursor(false); });
    proc.step([&] { shutdownAudio(); });
    proc.step([&] { shutdownSpeech(); });
    // Ends every wait and dialog still running beneath us; main() then returns.
    proc.step([&] { QCoreApplication::exit(0); });
}
