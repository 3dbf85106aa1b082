#include "ErrPtnr.h"

#include "Contact.h"
#include "ErrorProtocol.h"
#include "Places.h"
#include "Settings.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QScopeGuard>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QUrl>

namespace {

// The report's layout table counts in twips, 15 to the pixel, as the teacher's dialogs do: places
// between two pixels stay whole numbers and are rounded once.
constexpr int px(int twips)
{
    return twips / 15;
}
QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

constexpr int kFrameWidth = 7215;
constexpr std::array<int, 5> kFrameHeights = {975, 1695, 615, 855, 855};
constexpr std::array<int, 4> kRowTops = {240, 960, 1200, 1440};
constexpr std::array<int, 4> kButtonLefts = {240, 2040, 3840, 5640};
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 495;
// What a button's bevel takes of its box.
constexpr QSize kButtonPadding(8, 6);

const std::array<QString, 5> kFrameNames = {
    QStringLiteral("framComment"), QStringLiteral("framFehler"), QStringLiteral("framProgInfo"),
    QStringLiteral("framProtocol"), QStringLiteral("framContinue")};
const std::array<QString, 5> kFrameCaptions = {
    QString(), ErrTexts::kFramFehler, ErrTexts::kFramProgInfo,
    QStringLiteral("Fehlerprotokoll ... / error protocoll..."),
    QStringLiteral("Weiterer Programmablauf... / Continue...")};
const std::array<QString, 4> kProtocolCaptions = {QStringLiteral("&Drucken/Print"),
                                                  QStringLiteral("&Speichern/Save"),
                                                  QStringLiteral("&EMail"), QStringLiteral("&WWW")};
const std::array<QString, 4> kContinueCaptions = {
    QStringLiteral("Wieder&holen Retry"), QStringLiteral("&Ignorieren   Ignore"),
    QStringLiteral("&Abbrechen Cancel"), QStringLiteral("&Beenden       End")};

const QString kComment = QStringLiteral(
    "There is a problem. Please contact the author if this problem appears again.\n"
    "Es liegt ein Problem vor, mit dem Sie sich an den technischen Support wenden sollten, "
    "falls es wiederholt auftritt.");

const QString kMailText =
    QStringList{
        QStringLiteral(
            "Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die Fehlerbeschreibung "
            "sowie das Fehlerprotokoll"),
        QStringLiteral("wurden zu Ihrer Bequemlichkeit in die Zwischenablage kopiert."),
        QString(),
        QStringLiteral(
            "Bitte fügen Sie den Inhalt der Zwischenablage in Ihre Email ein, indem Sie in "
            "Ihrem Email-Programm"),
        QStringLiteral(
            "die Tasten [Strg] und [Einfg] gleichzeitig betätigen. Alternativ können Sie "
            "den Inhalt in die EMail"),
        QStringLiteral("einfügen, indem Sie den Befehl 'Einfügen' aus dem Menü 'Bearbeiten' "
                       "ausführen."),
        QString(),
        QString(),
        QStringLiteral(
            "Your email application will be started. The error description will be copied "
            "to the clipboard."),
        QString(),
        QStringLiteral("Please insert the contents of the clipboard into the message body by using "
                       "Ctrl + V or "),
        QStringLiteral("use the menu or toolbar command of your email program. "),
    }
        .join(QStringLiteral("\r\n"));

// The words of a caption one over the other: the report speaks to German and English readers at
// once, so its captions are padded with blanks to break German over English ("Ignorieren" over
// "Ignore").
QString stacked(const QString &caption)
{
    static const QRegularExpression blanks(QStringLiteral(" +"));
    return caption.split(blanks, Qt::SkipEmptyParts).join(QLatin1Char('\n'));
}

// A button that shows its caption stacked; its text stays the caption as written.
class StackedButton final : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect box = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        const int mnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)
                                 ? Qt::TextShowMnemonic
                                 : Qt::TextHideMnemonic;
        painter.drawItemText(box, Qt::AlignCenter | mnemonic, option.palette, isEnabled(),
                             stacked(text()), QPalette::ButtonText);
    }
};

QLabel *plainLabel(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText); // file names in messages may hold '<'
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

bool fitsBox(const QFontMetrics &fm, const QString &text, QSize box, int flags)
{
    const QRect need = fm.boundingRect(QRect(QPoint(0, 0), QSize(box.width(), 10000)), flags, text);
    return need.width() <= box.width() && need.height() <= box.height();
}

bool textsFit(const QFontMetrics &fm)
{
    if (fm.height() > px(kRowTops[0]) ||
        !fitsBox(fm, kComment, QSize(px(6855), px(615)), Qt::AlignLeft | Qt::TextWordWrap))
        return false;
    for (const QString &title : ErrTexts::kErrTitel) {
        if (fm.horizontalAdvance(title) > px(1800))
            return false;
    }
    for (const QString &caption : kFrameCaptions) {
        if (fm.horizontalAdvance(caption) > px(kFrameWidth) - 2 * px(120))
            return false;
    }
    const QSize button = QSize(px(kButtonWidth), px(kButtonHeight)) - kButtonPadding;
    for (const auto *captions : {&kProtocolCaptions, &kContinueCaptions}) {
        for (const QString &caption : *captions) {
            if (!fitsBox(fm, stacked(caption), button, Qt::AlignCenter | Qt::TextShowMnemonic))
                return false;
        }
    }
    return true;
}

// Protocols are read in columns, so they are printed in a fixed-width font with TABs set
// every eight columns.
QString expandTabs(const QString &line)
{
    QString out;
    for (const QChar c : line) {
        if (c == QLatin1Char('\t'))
            out += QString(8 - out.size() % 8, QLatin1Char(' '));
        else
            out += c;
    }
    return out;
}

bool printOnDefaultPrinter(const QStringList &lines)
{
    QPrinter printer(QPrinter::HighResolution);
    // Without a printer Qt falls back to writing a PDF file that has no name.
    if (printer.printerName().isEmpty())
        return false;
    printer.setDocName(kAppTitle + QStringLiteral(".ERR"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    painter.setFont(font);
    const QFontMetrics fm = painter.fontMetrics();
    int y = 0;
    for (const QString &line : lines) {
        if (y + fm.lineSpacing() > printer.height()) {
            if (!printer.newPage())
                return false;
            y = 0;
        }
        painter.drawText(0, y + fm.ascent(), expandTabs(line));
        y += fm.lineSpacing();
    }
    return painter.end();
}

} // namespace

ErrPtnr::Outlets ErrPtnr::systemOutlets()
{
    return {printOnDefaultPrinter, [](const QUrl &url) { return QDesktopServices::openUrl(url); }};
}

ErrPtnr::ErrPtnr(Dialogs &dialogs, Outlets outlets, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_dialogs(dialogs), m_outlets(std::move(outlets))
{
    setObjectName(QStringLiteral("ErrPtnr"));
    setWindowTitle(kAppTitle + QStringLiteral(" - Fehler / Error"));
    setWindowModality(Qt::ApplicationModal);

    for (size_t i = 0; i < m_frames.size(); ++i) {
        m_frames[i] = new QGroupBox(kFrameCaptions[i], this);
        m_frames[i]->setObjectName(kFrameNames[i]);
        m_frames[i]->resize(px(kFrameWidth), px(kFrameHeights[i]));
    }
    m_lblComment =
        plainLabel(m_frames[0], QStringLiteral("lblComment"), twips(120, 240, 6855, 615));
    m_lblComment->setWordWrap(true);
    for (size_t i = 0; i < 4; ++i) {
        const QString n = QString::number(i);
        m_lblErrTitel[i] = plainLabel(m_frames[1], QStringLiteral("lblErrTitel") + n,
                                      twips(120, kRowTops[i], 1800, 255));
        m_lblErrTitel[i]->setText(ErrTexts::kErrTitel[i]);
        m_lblError[i] = plainLabel(m_frames[1], QStringLiteral("lblError") + n,
                                   twips(1920, kRowTops[i], 5205, i == 0 ? 675 : 255));
    }
    m_lblError[0]->setWordWrap(true);
    m_lblProgInfo =
        plainLabel(m_frames[2], QStringLiteral("lblProgInfo"), twips(30, 240, 7110, 255));

    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i);
        const QRect box = twips(kButtonLefts[i], 240, kButtonWidth, kButtonHeight);
        m_cmdProtocol[i] = new StackedButton(kProtocolCaptions[i], m_frames[3]);
        m_cmdProtocol[i]->setObjectName(QStringLiteral("cmdProtocol") + n);
        m_cmdProtocol[i]->setGeometry(box);
        connect(m_cmdProtocol[i], &QPushButton::clicked, this, [this, i] { cmdProtocol_Click(i); });
        m_cmdContinue[i] = new StackedButton(kContinueCaptions[i], m_frames[4]);
        m_cmdContinue[i]->setObjectName(QStringLiteral("cmdContinue") + n);
        m_cmdContinue[i]->setGeometry(box);
        connect(m_cmdContinue[i], &QPushButton::clicked, this, [this, i] { cmdContinue_Click(i); });
    }
    fitFont();
}

ErrAnswer ErrPtnr::OnError(const ErrorReport &report)
{
    const std::array<QString, 4> values = reportValues(report);
    if (m_reporting) {
        // A failure while the report shows (a paint event, a timer running in the report's
        // loop, a message box of the protocol buttons): a second report on top would stack
        // modal loops, and the first one could not be answered before it. The failure goes to
        // the log, and its step is skipped.
        AppendProtocolLog(values);
        return ErrAnswer::Ignore;
    }
    const QScopedValueRollback reporting(m_reporting, true);

    m_values = values;
    for (size_t i = 0; i < m_values.size(); ++i) {
        m_lblError[i]->setText(m_values[i]);
        if (i > 0) // sized to their text, within the frame
            m_lblError[i]->resize(std::min(m_lblError[i]->sizeHint().width(), px(5205)),
                                  m_lblError[i]->sizeHint().height());
    }
    if (m_lblProgInfo->text().isEmpty())
        m_lblProgInfo->setText(programInfoLine());
    // The arrow while the report shows, whatever pointer a busy procedure set; that one comes
    // back afterwards.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const auto cursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });

    ArrangeControls();
    if (!AppendProtocolLog(m_values) && !m_logFailureTold) {
        m_logFailureTold = true; // once: the report matters more than the log
        const QString path = QDir::toNativeSeparators(logFilePath(settingsFolder()));
        tell(QStringLiteral("Das Fehlerprotokoll konnte nicht in die Datei '") + path +
                 QStringLiteral("' geschrieben werden."),
             QStringLiteral("The error protocol could not be written to file '") + path +
                 QStringLiteral("'."));
    }
    QApplication::beep();
    m_cmdContinue[static_cast<size_t>(m_choice)]->setFocus();
    exec();
    return m_choice;
}

void ErrPtnr::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Shown again after hiding, it could stay below the main window without a window manager.
    raise();
    activateWindow();
}

void ErrPtnr::ArrangeControls()
{
    int top = 0;
    for (QGroupBox *frame : m_frames) {
        frame->setVisible(true);
        frame->move(0, top);
        top += frame->height();
    }
    m_lblComment->setText(kComment);
    for (size_t i = 0; i < 4; ++i) {
        m_cmdProtocol[i]->setVisible(true);
        m_cmdContinue[i]->setVisible(true);
    }
    setFixedSize(px(kFrameWidth), top);
    const QWidget *active = QApplication::activeWindow();
    const QScreen *screen = active ? active->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

QString ErrPtnr::BuildProtocol() const
{
    return ::BuildProtocol(m_values, m_lblProgInfo->text(), QDateTime::currentDateTime(),
                           systemInfo());
}

bool ErrPtnr::AppendProtocolLog(const std::array<QString, 4> &values) const
{
    const QString protocol =
        ::BuildProtocol(values, programInfoLine(), QDateTime::currentDateTime(), systemInfo());
    return ::AppendProtocolLog(settingsFolder(), protocol);
}

void ErrPtnr::cmdProtocol_Click(int index)
{
    switch (index) {
    case 0:
        printProtocol();
        break;
    case 1:
        saveProtocol();
        break;
    case 2:
        mailProtocol();
        break;
    case 3:
        openHomepage();
        break;
    }
}

void ErrPtnr::cmdContinue_Click(int index)
{
    m_choice = static_cast<ErrAnswer>(index);
    hide();
}

void ErrPtnr::reject()
{
    hide();
}

void ErrPtnr::printProtocol()
{
    if (!m_outlets.print(printedLines(BuildProtocol())))
        tell(QStringLiteral("Das Fehlerprotokoll konnte nicht gedruckt werden (kein Drucker?)."),
             QStringLiteral("The error protocol could not be printed (no printer?)."));
}

void ErrPtnr::saveProtocol()
{
    const QString protocol = BuildProtocol();
    const QString path = QDir::toNativeSeparators(saveFilePath(settingsFolder()));
    if (QFileInfo::exists(path) &&
        !m_dialogs.askYesNo(this,
                            QStringLiteral("Vorhandene Datei '") + path +
                                QStringLiteral("' überschreiben?\r\nOverwrite file '") + path +
                                QStringLiteral("' ?"),
                            kAppTitle))
        return;
    if (!writeProtocolFile(path, protocol)) {
        tell(QStringLiteral("Die Datei '") + path +
                 QStringLiteral("' konnte nicht geschrieben werden."),
             QStringLiteral("The file '") + path + QStringLiteral("' could not be written."));
        return;
    }
    m_dialogs.message(
        this,
        QStringLiteral("Das Fehlerprotokoll wurde in die Datei '") + path +
            QStringLiteral("' geschrieben!\r\nError protocoll was written to file '") + path +
            QStringLiteral("'!"),
        kAppTitle, Dialogs::Icon::Information);
}

void ErrPtnr::mailProtocol()
{
    const QString protocol = BuildProtocol();
    m_dialogs.message(this, kMailText, kAppTitle, Dialogs::Icon::Information);
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(protocol);
    const QString address = Contact::supportAddress().trimmed();
    if (!m_outlets.openUrl(QUrl(QStringLiteral("mailto:") + address)))
        tell(QStringLiteral("Kein Email-Programm gefunden. Bitte senden Sie das Protokoll aus der "
                            "Zwischenablage an ") +
                 address + QLatin1Char('.'),
             QStringLiteral("No email application found. Please send the protocol on the "
                            "clipboard to ") +
                 address + QLatin1Char('.'));
}

void ErrPtnr::openHomepage()
{
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(BuildProtocol());
    const QString homepage = Contact::homepage();
    if (!m_outlets.openUrl(QUrl(homepage)))
        tell(QStringLiteral("Kein Browser gefunden. Die Homepage ist ") + homepage +
                 QLatin1Char('.'),
             QStringLiteral("No web browser found. The homepage is ") + homepage +
                 QLatin1Char('.'));
}

// Failures of the protocol buttons and the log: one short message, German line over English.
void ErrPtnr::tell(const QString &german, const QString &english)
{
    m_dialogs.message(this, german + QStringLiteral("\r\n") + english, kAppTitle,
                      Dialogs::Icon::Exclamation);
}

// The boxes keep their fixed sizes whatever font the desktop uses (the report's layout counts on
// them), so the font shrinks until every fixed text fits its box.
void ErrPtnr::fitFont()
{
    constexpr qreal kSmallest = 6.5;
    QFont fitted = font();
    const qreal largest = fitted.pointSizeF() > 0 ? fitted.pointSizeF() : 9.0;
    for (qreal size = largest; size > kSmallest; size -= 0.5) {
        fitted.setPointSizeF(size);
        if (textsFit(QFontMetrics(fitted, this)))
            break;
    }
    setFont(fitted);
}
