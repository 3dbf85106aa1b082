// The options dialog's controls: made from a table of their places in twips, captioned in the
// current language, tied to their handlers.
#include "frmOpt.h"

#include "Dialogs.h"
#include "EntryFilter.h"
#include "ErrorConvention.h"
#include "GameState.h"
#include "Language.h"
#include "SettingsTable.h"
#include "Speech.h"
#include "SpokenCaption.h"
#include "TeacherWindow.h"
#include "TextIds.h"
#include "VocabularyFile.h"
#include "WEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace {

using Fit = FormGeometry::Fit;
using Anchor = FormGeometry::Anchor;

// The scroll bars: the number shown is constant - position, so moving a bar up raises it.
struct Bar
{
    int least;
    int most;
    int step; // arrows and trough; dragging reaches every position
    int design;
    int constant;
    QRect twips;
};
// The reading-aloud check box stands under the sound's; what was below them moved down by this.
constexpr int kSpeechRow = 480;
const Bar kBarDesign[frmOpt::kBars] = {
    {0, 3, 1, 1, 4, {1680, 270, 255, 255}},                 // players
    {0, 3, 1, 1, 3, {2520, 1010, 255, 285}},                // hints of player 1
    {0, 3, 1, 1, 3, {2520, 1490, 255, 285}},                // player 2
    {0, 3, 1, 1, 3, {2520, 1970, 255, 285}},                // player 3
    {0, 3, 1, 1, 3, {2520, 2430, 255, 285}},                // player 4
    {10, 50, 5, 10, 60, {5640, 240, 255, 255}},             // rounds
    {1, 10, 1, 1, 11, {2880, 4950 + kSpeechRow, 255, 255}}, // minimum word length
};
// The number labels beside the bars. They end where their bars begin: their table rectangles
// reach a few twips under the bars and would cover the bars' edges.
const QRect kZahl[frmOpt::kBars] = {
    {1320, 255, 360, 270},
    {2160, 1000, 360, 285},
    {2160, 1480, 360, 285},
    {2160, 1960, 360, 285},
    {2160, 2440, 360, 285},
    {5250, 230, 390, 270},
    {2490, 4920 + kSpeechRow, 390, 270},
};
constexpr int kNameTops[kMaxPlayers] = {1005, 1485, 1965, 2445};

// Labels: text and design rectangle, in their frame or in the dialog.
struct LabelDesign
{
    int frame; // -1: the dialog
    int text;
    QRect twips;
};
const LabelDesign kLabels[6] = {
    {0, Txt::Players, {120, 285, 1095, 255}},
    {0, Txt::Hints, {2040, 645, 735, 255}},
    {0, Txt::Names, {240, 645, 1890, 255}},
    {1, Txt::Repeat, {120, 240, 1695, 255}},
    {-1, Txt::RoundsToPlay, {3480, 240, 1575, 375}},
    {-1, Txt::MinWordLength, {240, 4920 + kSpeechRow, 2055, 450}},
};
const QRect kFrames[3] = {
    {240, 120, 3015, 2895},
    {3480, 720, 2535, 1455},
    {240, 3120 + kSpeechRow, 5775, 1575},
};

void setCaption(QObject *control, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(text);
}

} // namespace

frmOpt::frmOpt(const TeacherTools &tools, QWidget *parent)
    : QDialog(parent), m_tools(tools), m_lock(tools.dialogs, this)
{
    setObjectName(QStringLiteral("frmOpt"));
    makeFixedSizeDialog(this);
    createControls();
    connectHandlers();
    setTexts();
    layOut();
    Form_Load();
}

void frmOpt::createControls()
{
    FormGeometry &g = m_geometry;
    for (size_t i = 0; i < m_frame.size(); ++i) {
        m_frame[i] = new QGroupBox(this);
        m_frame[i]->setObjectName(QStringLiteral("Frame%1").arg(i + 1));
        g.add({m_frame[i], kFrames[i], Fit::Fixed, i == 0 ? Anchor::Left : Anchor::Stretch});
    }
    auto parentOf = [this](int frame) -> QWidget * {
        return frame < 0 ? static_cast<QWidget *>(this) : m_frame[size_t(frame)];
    };
    for (size_t i = 0; i < m_label.size(); ++i) {
        m_label[i] = new QLabel(parentOf(kLabels[i].frame));
        m_label[i]->setObjectName(QStringLiteral("Label%1").arg(i));
        m_label[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        g.add({m_label[i], kLabels[i].twips, Fit::Caption});
    }
    m_label[5]->setAlignment(Qt::AlignRight | Qt::AlignTop);

    // The hints of the players and the player count sit in the first frame.
    auto barParent = [&](int i) -> QWidget * {
        return i <= kMaxPlayers ? m_frame[0] : static_cast<QWidget *>(this);
    };
    for (int i = 0; i < kBars; ++i) {
        const Bar &b = kBarDesign[i];
        m_zahl[i] = new QLabel(barParent(i));
        m_zahl[i]->setObjectName(QStringLiteral("Zahl%1").arg(i));
        m_zahl[i]->setFrameShape(QFrame::Box);
        m_zahl[i]->setAlignment(Qt::AlignCenter);
        QFont bold = m_zahl[i]->font();
        bold.setBold(true);
        m_zahl[i]->setFont(bold);
        m_zahl[i]->setText(QString::number(qint16(b.constant - b.design)));
        m_vsczahl[i] = new QScrollBar(Qt::Vertical, barParent(i));
        m_vsczahl[i]->setObjectName(QStringLiteral("vsczahl%1").arg(i));
        m_vsczahl[i]->setRange(b.least, b.most);
        m_vsczahl[i]->setSingleStep(b.step);
        m_vsczahl[i]->setPageStep(b.step);
        m_vsczahl[i]->setValue(b.design);
        m_vsczahl[i]->setFocusPolicy(Qt::StrongFocus);
        const Anchor anchor = i == 5 ? Anchor::Right : Anchor::Left;
        g.add({m_zahl[i], kZahl[i], Fit::Fixed, anchor});
        g.add({m_vsczahl[i], b.twips, Fit::Fixed, anchor});
    }
    for (int i = 0; i < kMaxPlayers; ++i) {
        m_txtSpieler[size_t(i)] = new QLineEdit(m_frame[0]);
        m_txtSpieler[size_t(i)]->setObjectName(QStringLiteral("txtSpieler%1").arg(i));
        m_txtSpieler[size_t(i)]->setEnabled(false);
        // A letter the settings file cannot hold would come back as '?'.
        m_txtSpieler[size_t(i)]->setValidator(new KeepableValidator(m_txtSpieler[size_t(i)]));
        m_txtSpieler[size_t(i)]->installEventFilter(this);
        g.add({m_txtSpieler[size_t(i)], {270, kNameTops[i], 1695, 285}});
    }
    for (size_t i = 0; i < m_wiederh.size(); ++i) {
        m_wiederh[i] = new QRadioButton(m_frame[1]);
        m_wiederh[i]->setObjectName(QStringLiteral("wiederh%1").arg(i));
    }
    m_wiederh[1]->setChecked(true);
    g.add({m_wiederh[0], {240, 600, 2070, 270}, Fit::Caption});
    g.add({m_wiederh[1], {240, 960, 2265, 405}, Fit::Caption});

    m_chkAnzeige = new QCheckBox(this);
    m_chkAnzeige->setObjectName(QStringLiteral("chkAnzeige"));
    m_chkAnzeige->setChecked(true);
    m_chkSound = new QCheckBox(this);
    m_chkSound->setObjectName(QStringLiteral("chkSound"));
    g.add({m_chkAnzeige, {3720, 2160, 2175, 615}, Fit::Caption});
    g.add({m_chkSound, {3720, 2640, 2295, 495}, Fit::Caption});
    m_chkVorlesen = new QCheckBox(this);
    m_chkVorlesen->setObjectName(QStringLiteral("chkVorlesen"));
    g.add({m_chkVorlesen, {3720, 3060, 2295, 495}, Fit::Caption});

    m_wortsch = new QListWidget(m_frame[2]);
    m_wortsch->setObjectName(QStringLiteral("wortsch"));
    m_editButt = new QPushButton(m_frame[2]);
    m_editButt->setObjectName(QStringLiteral("EditButt"));
    m_password = new QPushButton(m_frame[2]);
    m_password->setObjectName(QStringLiteral("Password"));
    g.add({m_wortsch, {120, 360, 2775, 1065}});
    g.add({m_editButt, {3120, 360, 2415, 375}, Fit::Caption, Anchor::Right, 1});
    g.add({m_password, {3120, 960, 2415, 375}, Fit::Caption, Anchor::Right, 1});

    m_cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    g.add({m_cmdOK, {4800, 4920 + kSpeechRow, 1215, 495}, Fit::Caption, Anchor::Right});

    // Access keys of the labels lead to the bar they name.
    m_label[0]->setBuddy(m_vsczahl[0]);
    m_label[1]->setBuddy(m_vsczahl[1]);
    m_label[4]->setBuddy(m_vsczahl[5]);

    turnOffEnglishMenus(this);

    QWidget *order[] = {m_vsczahl[0], m_txtSpieler[0], m_vsczahl[1],  m_txtSpieler[1],
                        m_vsczahl[2], m_txtSpieler[2], m_vsczahl[3],  m_txtSpieler[3],
                        m_vsczahl[4], m_vsczahl[5],    m_wiederh[0],  m_wiederh[1],
                        m_chkAnzeige, m_chkSound,      m_chkVorlesen, m_wortsch,
                        m_editButt,   m_password,      m_vsczahl[6],  m_cmdOK};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmOpt::connectHandlers()
{
    // The design state is set; from here on every change runs its handling.
    for (int i = 0; i < kBars; ++i)
        connect(m_vsczahl[i], &QScrollBar::valueChanged, this, [this, i] { vscZahl_Change(i); });
    for (int i = 0; i < kMaxPlayers; ++i)
        connect(m_txtSpieler[size_t(i)], &QLineEdit::textChanged, this,
                [this, i] { txtSpieler_Change(i); });
    for (int i = 0; i < int(m_wiederh.size()); ++i)
        connect(m_wiederh[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                wiederh_Click(i);
        });
    connect(m_chkAnzeige, &QCheckBox::toggled, this, &frmOpt::chkAnzeige_Click);
    connect(m_chkSound, &QCheckBox::toggled, this, &frmOpt::chkSound_Click);
    connect(m_chkVorlesen, &QCheckBox::toggled, this, &frmOpt::chkVorlesen_Click);
    connect(m_wortsch, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            WortSch_Click();
    });
    connect(m_wortsch, &QListWidget::itemDoubleClicked, this, &frmOpt::WortSch_DblClick);
    connect(m_editButt, &QPushButton::clicked, this, &frmOpt::EditButt_Click);
    connect(m_password, &QPushButton::clicked, this, &frmOpt::Password_Click);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmOpt::cmdOK_Click);
}

void frmOpt::setTexts()
{
    setWindowTitle(uiText(Txt::Options));
    for (size_t i = 0; i < m_label.size(); ++i)
        m_label[i]->setText(uiText(kLabels[i].text));
    const std::pair<QObject *, int> captions[] = {
        {m_wiederh[0], Txt::RepeatAll},    {m_wiederh[1], Txt::RepeatNotGuessed},
        {m_chkAnzeige, Txt::ShowSolution}, {m_chkSound, Txt::SoundEffects},
        {m_frame[2], Txt::Vocabulary},     {m_editButt, Txt::EditVocabulary},
        {m_password, Txt::ChangePassword},
    };
    for (const auto &[control, text] : captions)
        setCaption(control, uiText(text));
    // Without a speech engine the box says why and cannot be ticked.
    const QString why = speechUnavailable();
    m_chkVorlesen->setText(why.isEmpty() ? uiText(Txt::ReadAloud)
                                         : uiText(Txt::ReadAloud) + u' ' + why);
    m_chkVorlesen->setEnabled(why.isEmpty());
    // Controls without a caption of their own are named after the caption they stand under.
    m_vsczahl[0]->setAccessibleName(spokenCaption(uiText(Txt::Players)));
    for (int i = 0; i < kMaxPlayers; ++i) {
        const QString n = QString::number(i + 1);
        m_vsczahl[size_t(i + 1)]->setAccessibleName(spokenCaption(uiText(Txt::Hints)) + u' ' + n);
        m_txtSpieler[size_t(i)]->setAccessibleName(spokenCaption(uiText(Txt::Names)) + u' ' + n);
    }
    m_vsczahl[5]->setAccessibleName(spokenCaption(uiText(Txt::RoundsToPlay)));
    m_vsczahl[6]->setAccessibleName(spokenCaption(uiText(Txt::MinWordLength)));
    m_wortsch->setAccessibleName(spokenCaption(uiText(Txt::Vocabulary)));
}

void frmOpt::layOut()
{
    m_geometry.apply();
}

qint16 &frmOpt::number(int bar)
{
    GameState &s = m_tools.state;
    if (bar == 0)
        return s.numPlayers;
    if (bar <= kMaxPlayers)
        return s.hintsPerWord[size_t(bar - 1)];
    return bar == 5 ? s.roundsToPlay : s.minLen;
}

qint16 frmOpt::barNumber(int index) const
{
    return qint16(kBarDesign[index].constant - m_vsczahl[size_t(index)]->value());
}

void frmOpt::setBar(int index, qint16 value)
{
    // A value the bar cannot take (a hand-edited settings file) is reported; the dialog then
    // shows, and the game state holds, the nearest value the bar can take.
    const Bar &b = kBarDesign[index];
    const auto shown = qint16(std::clamp<int>(value, b.constant - b.most, b.constant - b.least));
    number(index) = shown;
    m_zahl[size_t(index)]->setText(QString::number(shown));
    m_vsczahl[size_t(index)]->setValue(b.constant - shown);
    if (shown != value)
        throw RunTimeError(ErrNo::InvalidData,
                           QStringLiteral("vsczahl(%1) = %2").arg(index).arg(b.constant - value));
}
