#include "frmQuendo.h"

#include "Alphabet.h"
#include "BoardSurface.h"
#include "Catalogue.h"
#include "ChooserDialog.h"
#include "ClickableImage.h"
#include "Dialogs.h"
#include "ErrorConvention.h"
#include "frmInfo.h"
#include "frmOpt.h"
#include "IniFile.h"
#include "Language.h"
#include "ModResFiles.h"
#include "Places.h"
#include "Settings.h"
#include "SettingsTable.h"
#include "Sound.h"
#include "Utilities.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace {

const QString kSettings = QStringLiteral("Einstellungen");

constexpr QSize kPanel{147, 68};
constexpr QSize kName{127, 24};
constexpr QSize kScore{97, 25};
constexpr QSize kButton{38, 37};
constexpr QSize kCell{29, 41}; // word-field cells show the 30 x 40 sheet cell scaled into it
constexpr int kNamePointSize = 12;

// Toolbar buttons 0..6: picture, and the language text of the tool tip.
struct ToolButton
{
    const char16_t *picture;
    int tipText;
};
constexpr ToolButton kToolButtons[7] = {
    {u"tool_start", 169},   {u"tool_end", 170},  {u"tool_back", 173}, {u"tool_letter", 167},
    {u"tool_options", 101}, {u"tool_help", 134}, {u"tool_next", 150},
};

const QString kIcon = QStringLiteral("icon");
const QString kTafel = QStringLiteral("tafel");
const QString kLogo = QStringLiteral("logo");

// Hand-edited values outside the pictures there are fall back into range.
qint16 storedBackground()
{
    return std::clamp<qint16>(GetIniInt(kSettings, QStringLiteral("Back"), 0), 0,
                              Catalogue::kBackgrounds - 1);
}
qint16 storedLetterStyle()
{
    return std::clamp<qint16>(GetIniInt(kSettings, QStringLiteral("Letter"), 8), 0,
                              Catalogue::kLetterStyles - 1);
}

QFont nameFont(const QFont &base)
{
    QFont font = base;
    font.setPointSize(kNamePointSize);
    font.setBold(true);
    return font;
}

const QString kPanelStyle = QStringLiteral(
    "QLabel { background: rgba(255, 255, 255, 170); border: 2px solid rgba(60, 60, 90, 120);"
    " border-radius: 12px; }");
const QString kNameOn = QStringLiteral(
    "QLabel { background: rgb(255, 255, 0); color: black; border-radius: 6px; padding: 0 4px; }");
const QString kNameOff = QStringLiteral(
    "QLabel { background: black; color: rgb(255, 255, 0); border-radius: 6px; padding: 0 4px; }");
const QString kScoreStyle =
    QStringLiteral("QLabel { color: #1D2B64; font-weight: bold; background: transparent; }");
const QString kToolbarStyle =
    QStringLiteral("QFrame#picToolbar { background: rgba(255, 255, 255, 150);"
                   " border: 2px solid rgba(60, 60, 90, 110); border-radius: 14px; }");
const QString kButtonStyle = QStringLiteral(
    "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF,"
    " stop:1 #DCE6F2); border: 1px solid #7A8BA6; border-radius: 7px; }"
    "QPushButton:hover { background: #FFF6C8; border-color: #E0A000; }"
    "QPushButton:pressed { background: #FFE27A; }"
    "QPushButton:disabled { background: #E6E6E6; border-color: #B0B0B0; }");

} // namespace

frmQuendo::frmQuendo(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs), m_game(m_state, *this, *this)
{
    setObjectName(QStringLiteral("frmQuendo"));
    setWindowTitle(kAppTitle);
    setWindowIcon(QIcon(windowPicture(kIcon)));
    createControls();
    Form_Load();
}

frmQuendo::~frmQuendo()
{
    qApp->removeEventFilter(this);
}

QPixmap frmQuendo::windowPicture(QStringView name) const
{
    return QPixmap::fromImage(LoadWindowPicture(name, devicePixelRatioF()));
}

QStringList frmQuendo::designPictures()
{
    QStringList names{kIcon};
    for (const ToolButton &button : kToolButtons)
        names.append(QString::fromUtf16(button.picture));
    for (int i = 0; i < 7; ++i)
        names.append(Catalogue::flagPicture(i));
    names << kTafel << kLogo;
    QStringList paths;
    for (const QString &name : std::as_const(names))
        paths.append(Catalogue::windowPicturePath(name));
    return paths;
}

QStringList frmQuendo::settingsPictures()
{
    // Only a guess: a value that will be reported as out of range later is not reported here.
    auto guess = [](const QString &key, int defaultValue, int count) {
        const QString stored = GetIniString(kSettings, key, QString::number(defaultValue));
        return std::clamp(IniFile::leadingNumber(stored), 0, count - 1);
    };
    const int letter = guess(QStringLiteral("Letter"), 8, Catalogue::kLetterStyles);
    const int back = guess(QStringLiteral("Back"), 0, Catalogue::kBackgrounds);
    return {Catalogue::resourcePath(u"BITMAP", Catalogue::kFirstLetterStyle + letter),
            Catalogue::resourcePath(u"BITMAP", Catalogue::kFirstBackground + back)};
}

void frmQuendo::createControls()
{
    m_picBG = new BoardSurface(this);
    m_picBG->setObjectName(QStringLiteral("picBG"));

    m_logo = new QLabel(m_picBG);
    m_sequence = new QLabel(m_picBG);
    m_sequence->setObjectName(QStringLiteral("B_Folge"));
    m_notice = new QLabel(QStringLiteral("© 2026 Quendo"), m_picBG);
    QFont small = m_notice->font();
    small.setPointSize(8);
    m_notice->setFont(small);
    m_notice->setStyleSheet(
        QStringLiteral("color: rgba(30, 30, 50, 170); background: transparent;"));
    m_notice->adjustSize();

    for (int i = 0; i < 4; ++i) {
        m_panel[i] = new QLabel(m_picBG);
        m_panel[i]->resize(kPanel);
        m_panel[i]->setStyleSheet(kPanelStyle);
        m_name[i] = new QLabel(m_picBG);
        m_name[i]->resize(kName);
        m_name[i]->setFont(nameFont(font()));
        m_name[i]->setStyleSheet(kNameOff);
        m_score[i] = new QLabel(QStringLiteral("0"), m_picBG);
        m_score[i]->resize(kScore);
        QFont scoreFont = font();
        scoreFont.setPointSize(14);
        m_score[i]->setFont(scoreFont);
        m_score[i]->setAlignment(Qt::AlignCenter);
        m_score[i]->setStyleSheet(kScoreStyle);
    }

    m_toolbar = new QFrame(m_picBG);
    m_toolbar->setObjectName(QStringLiteral("picToolbar"));
    m_toolbar->setStyleSheet(kToolbarStyle);
    for (int i = 0; i < 7; ++i) {
        auto *b = new QPushButton(i < 6 ? static_cast<QWidget *>(m_toolbar) : m_picBG);
        b->setObjectName(QStringLiteral("PicBut%1").arg(i));
        b->resize(kButton);
        b->setIcon(QIcon(windowPicture(QStringView(kToolButtons[i].picture))));
        b->setIconSize(QSize(32, 32));
        b->setStyleSheet(kButtonStyle);
        b->setFocusPolicy(i == 6 ? Qt::StrongFocus : Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, i] { PicBut_Click(i); });
        m_buttons[i] = b;
    }
    m_buttons[6]->hide();
    for (int i = 0; i < 7; ++i) {
        auto *flag = new ClickableImage(m_toolbar);
        flag->setPixmap(windowPicture(Catalogue::flagPicture(i)));
        flag->resize(32, 20);
        flag->setToolTip(languageOwnName(i));
        connect(flag, &ClickableImage::clicked, this, [this, i] { imgLang_Click(i); });
        m_flags[i] = flag;
    }

    auto *templateCell = new QLabel(m_picBG);
    templateCell->setObjectName(QStringLiteral("Feld0"));
    templateCell->resize(kCell);
    templateCell->setScaledContents(true);
    templateCell->hide();
    m_feld.append(templateCell);

    m_menu = new QMenu(this);
    m_mnuHilfe = m_menu->addAction(QString(), this, &frmQuendo::mnuHilfe_Click);
    m_menu->addSeparator();
    m_mnuHomepage = m_menu->addAction(QString(), this, &frmQuendo::mnuHomepage_Click);
    m_mnuEMail = m_menu->addAction(QString(), this, &frmQuendo::mnuEMail_Click);
    m_menu->addSeparator();
    m_mnuUeber = m_menu->addAction(QString(), this, &frmQuendo::mnuUeber_Click);

    qApp->installEventFilter(this);
}

void frmQuendo::Form_Load()
{
    Procedure proc(Proc::frmQuendo::Form_Load);
    auto step = [&](auto &&f) { return proc.step(f); };
    step([&] { QDir::setCurrent(programFolder()); });
    step([&] { m_state.lastLetter = Alphabet::kLastLetter; });
    step([&] { m_game.readSettings(); });
    step([&] {
        m_back = storedBackground();
        m_letter = storedLetterStyle();
    });
    step([&] {
        m_clpLetter.load(
            LoadResPicture(Catalogue::kFirstLetterStyle + m_letter, devicePixelRatioF()));
    });
    step([&] { m_tafel = windowPicture(kTafel); });
    step([&] { m_logo->setPixmap(windowPicture(kLogo)); });
    step([&] {
        m_feld[0]->setPixmap(m_clpLetter.cell(Alphabet::kBlankCell));
        m_alpha[0] = new ClickableImage(m_picBG);
        m_alpha[0]->setPixmap(m_clpLetter.cell(Alphabet::kBlankCell));
    });
    step([&] { posAlpha(); });
    step([&] { loadAlpha(); });
    step([&] {
        setLangBase(Setting::readInRange(Setting::Language));
        imgLang_Click(langBase() / 1000);
    });
    step([&] { seedRandomFromClock(); });
    step([&] {
        // Large-font screens narrower than 1000 pixels shrink the margins; large screens get
        // the large board. Qt reports 120 logical dpi where the platform's large fonts had it.
        const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
        const QSize screenSize = s ? s->size() : BoardLayout::kSmallBoard;
        m_f = BoardLayout::scaleFactor(s ? s->logicalDotsPerInchX() : 96.0, screenSize.width());
        const QSize boardSize = BoardLayout::boardSize(screenSize);
        m_picBG->setGeometry(QRect(QPoint(0, 0), boardSize));
        resize(boardSize);
    });
    step([&] { m_game.zurueck(); });
}

void frmQuendo::posAlpha()
{
    Procedure proc(Proc::frmQuendo::posAlpha);
    for (int i = 1; i <= Alphabet::kLastLetter; ++i) {
        if (!proc.step([&] {
                auto *letter = new ClickableImage(m_picBG);
                letter->setPixmap(m_alpha[0]->pixmap());
                letter->setProperty("tag", m_alpha[0]->property("tag"));
                m_alpha[i] = letter;
            }))
            return;
    }
    for (int i = 0; i <= Alphabet::kLastLetter; ++i) {
        ClickableImage *letter = m_alpha[i];
        letter->resize(30, 40);
        letter->setEnabled(false);
        letter->setFocusPolicy(Qt::NoFocus);
        connect(letter, &ClickableImage::clicked, this, [this, i] { imgAlpha_Click(i); });
    }
}

void frmQuendo::loadAlpha()
{
    Procedure proc(Proc::frmQuendo::loadAlpha);
    // A slot shown again only while no word is being played keeps used letters hidden.
    auto offer = [&](int slot, int cell, QChar letter) {
        m_alpha[slot]->setPixmap(m_clpLetter.cell(cell));
        if (!m_state.gameRunning)
            m_alpha[slot]->show();
        m_alpha[slot]->setProperty("tag", QString(letter));
    };
    proc.step([&] {
        for (int i = 0; i < 26; ++i)
            offer(i, i, QChar(u'A' + i));
    });
    proc.step([&] {
        const auto &national = Alphabet::nationalSlots(langBase() / 1000);
        for (int k = 0; k < 3; ++k) {
            if (national[k].letter == 0)
                m_alpha[26 + k]->hide();
            else
                offer(26 + k, national[k].cell, QChar(national[k].letter));
        }
    });
}

BoardLayout::Input frmQuendo::layoutInput() const
{
    BoardLayout::Input in;
    in.window = size();
    in.board = m_picBG->size();
    in.f = m_f;
    in.logo = m_logo->pixmap().deviceIndependentSize().toSize();
    in.sequence = m_sequence->pixmap().isNull()
                      ? QSize(300, 200)
                      : m_sequence->pixmap().deviceIndependentSize().toSize();
    in.noticeHeight = m_notice->height();
    in.panel = m_panel[0]->size();
    in.name = m_name[0]->size();
    in.scoreHeight = m_score[0]->height();
    in.button = m_buttons[0]->size();
    in.flag = m_flags[0]->size();
    in.letter = m_alpha[9] ? m_alpha[9]->size() : QSize(30, 40);
    in.wordLength = m_game.wordLength();
    return in;
}

void frmQuendo::positionieren()
{
    Procedure proc(Proc::frmQuendo::positionieren);
    proc.step([&] {
        if (isMinimized())
            return;
        const BoardLayout::Input in = layoutInput();
        const BoardLayout::Placement p = BoardLayout::place(in);
        m_picBG->move(p.board);
        m_logo->move(p.logo);
        m_logo->resize(in.logo);
        m_sequence->move(p.sequence);
        m_sequence->resize(in.sequence);
        m_notice->move(p.notice);
        for (int i = 0; i < 4; ++i) {
            m_panel[i]->move(p.panel[i]);
            m_name[i]->move(p.name[i]);
            m_score[i]->setGeometry(p.score[i]);
            if (i < m_state.numPlayers) {
                m_panel[i]->show();
                m_name[i]->show();
                m_score[i]->show();
            }
        }
        m_toolbar->setGeometry(p.toolbar);
        for (int i = 0; i < 6; ++i) {
            m_buttons[i]->move(p.toolButton[i]);
            m_buttons[i]->show();
        }
        for (int i = 0; i < 7; ++i) {
            m_flags[i]->move(p.flag[i]);
            m_flags[i]->show();
        }
        for (int i = 0; i <= in.wordLength && i < m_feld.size(); ++i) {
            QLabel *cell = m_feld[i];
            cell->move(i == 0 ? p.wordFieldLeft : cell->x(), p.wordFieldTop);
        }
        for (int i = 0; i <= Alphabet::kLastLetter; ++i)
            m_alpha[i]->move(p.letter[i]);
        m_buttons[6]->move(p.nextButton);
        m_picBG->update();
    });
}

void frmQuendo::PaintBack()
{
    Procedure proc(Proc::frmQuendo::PaintBack);
    proc.step([&] {
        if (m_f < 1.0f)
            m_picBG->setGeometry(rect());
        const qreal dpr = devicePixelRatioF();
        const QImage picture = LoadResPicture(Catalogue::kFirstBackground + m_back, dpr);
        QPixmap background(m_picBG->size() * dpr);
        background.setDevicePixelRatio(dpr);
        QPainter p(&background);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(QPoint(0, 0), m_picBG->size()), picture);
        const BoardLayout::Input in = layoutInput();
        p.drawImage(BoardLayout::baseBar(in, BoardLayout::place(in)), picture);
        p.end();
        m_picBG->setBackground(background);
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

void frmQuendo::Sprache()
{
    Procedure proc(Proc::frmQuendo::Sprache);
    proc.step([&] {
        for (int i = 0; i < 7; ++i)
            m_buttons[i]->setToolTip(GetLang(langBase() + kToolButtons[i].tipText));
    });
    proc.step([&] {
        m_mnuUeber->setText(GetLang(langBase() + 137));
        m_mnuHilfe->setText(GetLang(langBase() + 134));
        m_mnuEMail->setText(GetLang(langBase() + 135));
        m_mnuHomepage->setText(GetLang(langBase() + 136));
    });
    proc.step([&] {
        m_state.vocabFile =
            GetIniString(kSettings, QStringLiteral("Datei") + numTextPlain(langBase()), QString());
    });
}

void frmQuendo::imgLang_Click(int index)
{
    Procedure proc(Proc::frmQuendo::imgLang_Click);
    bool cancelled = false;
    auto step = [&](auto &&f) { return !cancelled && proc.step(f) && !m_closing; };
    step([&] {
        if (index < 0 || index >= kLanguageCount)
            throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(index));
    });
    if (!step([&] {
            if (!m_state.gameRunning)
                return;
            const QString text =
                GetLang(langBase() + 172) + QStringLiteral("\n\n") + GetLang(index * 1000 + 172);
            if (!m_dialogs.askOkCancel(this, text, GetLang(langBase() + 100)))
                cancelled = true;
            else if (!m_closing)
                m_game.zurueck();
        }))
        return;
    step([&] { setLangBase(qint16(index * 1000)); });
    step([&] { Sprache(); });
    step([&] {
        SaveIni(QStringLiteral("Optionen"), QStringLiteral("Sprache"), numText(langBase()));
    });
    step([&] { loadAlpha(); });
    step([&] {
        if (isVisible())
            m_game.List1_Ini();
    });
    step([&] {
        if (m_state.gameRunning) {
            m_state.gameRunning = false;
            m_game.StartGame();
        }
    });
}

void frmQuendo::PicBut_Click(int index)
{
    Procedure proc(Proc::frmQuendo::PicBut_Click);
    if (index == 4) {
        bool restart = false;
        proc.step([&] { m_state.settingsChanged = false; });
        proc.step([&] {
            showOptions();
            restart = !m_closing && m_state.settingsChanged;
        });
        if (restart)
            m_game.restartGame(proc);
        return;
    }
    proc.step([&] {
        switch (index) {
        case 0:
            m_game.StartGame();
            break;
        case 1:
            if (m_dialogs.askYesNo(this, GetLang(langBase() + 143), GetLang(langBase() + 144)) &&
                !m_closing)
                close();
            break;
        case 2: {
            frmBack chooser(m_back, this);
            chooser.exec();
            if (m_closing)
                return;
            PaintBack();
            if (m_state.soundOn != 0)
                PlayWAV(103);
            break;
        }
        case 3: {
            frmLetters chooser(m_letter, this);
            chooser.exec();
            if (m_closing)
                return;
            if (m_state.soundOn != 0)
                PlayWAV(103);
            m_clpLetter.load(
                LoadResPicture(Catalogue::kFirstLetterStyle + m_letter, devicePixelRatioF()));
            loadAlpha();
            break;
        }
        case 5:
            m_menu->popup(QCursor::pos());
            break;
        case 6:
            setNextVisible(false);
            break;
        default:
            throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(index));
        }
    });
}

void frmQuendo::showOptions()
{
    const int across = templateCellWidth() > 0 ? boardScaleWidth() / templateCellWidth() : 0;
    frmOpt options({m_state, m_game.pool(), m_dialogs, across}, this);
    options.exec();
}

QString frmQuendo::homepage()
{
    return QStringLiteral("https://quendo.example.org/");
}

QString frmQuendo::supportAddress()
{
    return QStringLiteral("hilfe@quendo.example.org");
}

void frmQuendo::mnuHilfe_Click()
{
    Procedure proc(Proc::frmQuendo::mnuhilfe_Click);
    proc.step([&] {
        QDesktopServices::openUrl(
            QUrl::fromLocalFile(programFolder() + QStringLiteral("/Quendo.html")));
    });
}

void frmQuendo::mnuHomepage_Click()
{
    Procedure proc(Proc::frmQuendo::mnuHomepage_Click);
    proc.step([&] { QDesktopServices::openUrl(QUrl(homepage())); });
}

void frmQuendo::mnuEMail_Click()
{
    Procedure proc(Proc::frmQuendo::mnuEMail_Click);
    proc.step([&] {
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + supportAddress().trimmed()));
    });
}

void frmQuendo::mnuUeber_Click()
{
    Procedure proc(Proc::frmQuendo::mnuUeber_Click);
    proc.step([&] {
        frmInfo info(this);
        info.exec();
    });
}

void frmQuendo::imgAlpha_Click(int index)
{
    m_game.imgAlpha_Click(index);
}

void frmQuendo::Form_KeyPress(QChar key)
{
    m_game.Form_KeyPress(key);
}

bool frmQuendo::eventFilter(QObject *watched, QEvent *event)
{
    // The window sees every key before its controls do; the key goes on unchanged.
    if (event->type() != QEvent::KeyPress || m_closing || QApplication::activeModalWidget())
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    QWidget *receiver = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (widget != receiver)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->isAutoRepeat())
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Form_KeyPress(QChar(13));
        return true; // Enter is the Next button's; nothing else may act on it
    }
    const QString text = key->text();
    if (text.size() == 1 && text.at(0).isPrint())
        Form_KeyPress(text.at(0));
    return false;
}

// --- GameView ---------------------------------------------------------------------------

bool frmQuendo::askYesNo(const QString &text, const QString &title)
{
    if (m_closing)
        return false;
    const bool yes = m_dialogs.askYesNo(this, text, title);
    return yes && !m_closing;
}

void frmQuendo::showMessage(const QString &text, const QString &title, bool informationIcon)
{
    if (!m_closing)
        m_dialogs.message(this, text, title,
                          informationIcon ? Dialogs::Icon::Information : Dialogs::Icon::None);
}

int frmQuendo::checkedSlot(int slot) const
{
    if (slot < 0 || slot >= 4)
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(slot));
    return slot;
}

void frmQuendo::setPlayerName(int slot, const QString &shown)
{
    m_name[checkedSlot(slot)]->setText(shown);
}

QString frmQuendo::playerNameShown(int slot) const
{
    return m_name[checkedSlot(slot)]->text();
}

void frmQuendo::setPlayerScore(int slot, const QString &text)
{
    m_score[checkedSlot(slot)]->setText(text);
}

void frmQuendo::setHighlight(int slot, bool on)
{
    m_name[checkedSlot(slot)]->setStyleSheet(on ? kNameOn : kNameOff);
}

void frmQuendo::setSlotVisible(int slot, bool visible)
{
    checkedSlot(slot);
    m_panel[slot]->setVisible(visible);
    m_name[slot]->setVisible(visible);
    m_score[slot]->setVisible(visible);
}

int frmQuendo::textWidth(const QString &text) const
{
    return QFontMetrics(nameFont(font())).horizontalAdvance(text);
}

int frmQuendo::nameLabelWidth(int slot) const
{
    const QLabel *label = m_name[checkedSlot(slot)];
    return label->contentsRect().width() - 8; // inside the label's padding
}

void frmQuendo::showEmptyBoard()
{
    m_sequence->setPixmap(m_tafel);
    m_sequence->show();
}

void frmQuendo::loadPictureSet(int bitmapId)
{
    // Decoded at the first wrong guess: a word solved without a miss never needs it, and the
    // start-up stays quick.
    if (!Catalogue::bitmap(bitmapId))
        throw RunTimeError(ErrNo::ResourceNotFound, QStringLiteral("BITMAP %1").arg(bitmapId));
    m_pendingPictureSet = bitmapId;
}

void frmQuendo::showStage(int stage)
{
    if (m_pendingPictureSet != 0) {
        m_clpBild.load(LoadResPicture(m_pendingPictureSet, devicePixelRatioF()));
        m_pendingPictureSet = 0;
    }
    m_sequence->setPixmap(m_clpBild.cell(stage - 1));
}

void frmQuendo::setNextVisible(bool visible)
{
    m_buttons[6]->setVisible(visible);
    if (!visible)
        emit nextHidden();
}

bool frmQuendo::nextVisible() const
{
    return !m_buttons[6]->isHidden();
}

void frmQuendo::focusNext()
{
    m_buttons[6]->setFocus();
}

void frmQuendo::setStartEnabled(bool enabled)
{
    m_buttons[0]->setEnabled(enabled);
}

ClickableImage *frmQuendo::checkedStrip(int button) const
{
    if (button < 0 || button > Alphabet::kLastLetter || !m_alpha[button])
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(button));
    return m_alpha[button];
}

void frmQuendo::setStripVisible(int button, bool visible)
{
    checkedStrip(button)->setVisible(visible);
}

bool frmQuendo::stripVisible(int button) const
{
    return !checkedStrip(button)->isHidden();
}

void frmQuendo::setStripEnabled(int button, bool enabled)
{
    checkedStrip(button)->setEnabled(enabled);
}

bool frmQuendo::stripEnabled(int button) const
{
    return checkedStrip(button)->isEnabled();
}

QString frmQuendo::stripLetter(int button) const
{
    return checkedStrip(button)->property("tag").toString();
}

QLabel *frmQuendo::checkedCell(int position) const
{
    if (position < 1 || position >= m_feld.size())
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(position));
    return m_feld[position];
}

void frmQuendo::removeWordCells()
{
    while (m_feld.size() > 1)
        delete m_feld.takeLast();
}

void frmQuendo::createWordCell(int position, int left)
{
    if (position != m_feld.size())
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(position));
    const QLabel *model = m_feld[0];
    auto *cell = new QLabel(m_picBG);
    cell->setScaledContents(true);
    cell->setPixmap(model->pixmap());
    cell->setGeometry(left, model->y(), model->width(), model->height());
    cell->hide();
    m_feld.append(cell);
}

void frmQuendo::showStripPictureInCell(int position, int button)
{
    checkedCell(position)->setPixmap(checkedStrip(button)->pixmap());
}

void frmQuendo::showSheetCellInCell(int position, int sheetCell)
{
    checkedCell(position)->setPixmap(m_clpLetter.cell(sheetCell));
}

void frmQuendo::setWordCellVisible(int position, bool visible)
{
    checkedCell(position)->setVisible(visible);
}

int frmQuendo::templateCellWidth() const
{
    return m_feld[0]->width();
}

int frmQuendo::boardScaleWidth() const
{
    return m_picBG->width();
}

void frmQuendo::processEvents()
{
    if (!m_closing)
        QCoreApplication::processEvents();
}

void frmQuendo::pause(double seconds)
{
    if (!m_closing)
        Verzoegerung(seconds);
}

void frmQuendo::waitWhileNextVisible()
{
    while (nextVisible() && !m_closing) {
        QEventLoop loop;
        connect(this, &frmQuendo::nextHidden, &loop, &QEventLoop::quit);
        connect(this, &frmQuendo::closingStarted, &loop, &QEventLoop::quit);
        if (loop.exec() != 0)
            break; // the application is ending
    }
}

void frmQuendo::setBusyCursor(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void frmQuendo::closeWindow()
{
    close();
}

void frmQuendo::play(int id)
{
    PlayWAV(id);
}

// --- end of the program -------------------------------------------------------------------

void frmQuendo::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closing)
        return;
    Procedure proc(Proc::frmQuendo::Form_Unload);
    proc.step([&] {
        m_closing = true;
        emit closingStarted();
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
    proc.step([&] { setBusyCursor(false); });
    proc.step([&] { shutdownAudio(); });
    // Ends every wait and dialog still running beneath us; main() then returns.
    proc.step([&] { QCoreApplication::exit(0); });
}
