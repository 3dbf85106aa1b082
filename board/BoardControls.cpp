#include "BoardControls.h"

#include "BoardSurface.h"
#include "Catalogue.h"
#include "ClickableImage.h"
#include "ModResFiles.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

QPixmap windowPicture(QStringView name, const QWidget *on)
{
    return QPixmap::fromImage(LoadWindowPicture(name, on->devicePixelRatioF()));
}

template <typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QString indexed(const char *name, int i)
{
    return QLatin1String(name) + QString::number(i);
}

} // namespace

void BoardControls::build(QWidget *window)
{
    using namespace BoardStyle;
    picBG = named(new BoardSurface(window), QStringLiteral("picBG"));
    logo = named(new QLabel(picBG), QStringLiteral("imgLogo"));
    sequence = named(new QLabel(picBG), QStringLiteral("B_Folge"));
    notice = named(new QLabel(QStringLiteral("© 2026 Quendo"), picBG), QStringLiteral("lblNotice"));
    notice->setFont(noticeFont(notice->font()));
    notice->setStyleSheet(noticeStyle());
    notice->adjustSize();

    for (int i = 0; i < 4; ++i) {
        panel[i] = named(new QLabel(picBG), indexed("lblPlayer", i));
        panel[i]->resize(kPanel);
        panel[i]->setStyleSheet(panelStyle());
        name[i] = named(new QLabel(picBG), indexed("Spieler", i));
        name[i]->resize(kName);
        name[i]->setTextFormat(Qt::PlainText);
        name[i]->setFont(nameFont(window->font()));
        name[i]->setStyleSheet(nameStyle(false));
        score[i] = named(new QLabel(QStringLiteral("0"), picBG), indexed("lblPunkte", i));
        score[i]->resize(kScore);
        score[i]->setTextFormat(Qt::PlainText);
        score[i]->setFont(scoreFont(window->font()));
        score[i]->setAlignment(Qt::AlignCenter);
        score[i]->setStyleSheet(scoreStyle());
    }

    toolbar = named(new QFrame(picBG), QStringLiteral("picToolbar"));
    toolbar->setStyleSheet(toolbarStyle());
    for (int i = 0; i < kToolButtons; ++i) {
        QWidget *parent = i == ToolButton::Next ? static_cast<QWidget *>(picBG) : toolbar;
        auto *b = named(new QPushButton(parent), indexed("PicBut", i));
        b->resize(kButton);
        b->setIcon(QIcon(windowPicture(QStringView(toolButtons()[size_t(i)].picture), window)));
        b->setIconSize(kButtonIcon);
        b->setStyleSheet(buttonStyle());
        // Only Next takes the keyboard focus: it is what Enter and Space press after a word.
        b->setFocusPolicy(i == ToolButton::Next ? Qt::StrongFocus : Qt::NoFocus);
        buttons[size_t(i)] = b;
    }
    next()->hide();
    for (int i = 0; i < kLanguageCount; ++i) {
        auto *flag = named(new ClickableImage(toolbar), indexed("imgLang", i));
        flag->setPixmap(windowPicture(Catalogue::flagPicture(i), window));
        flag->resize(kFlag);
        flag->setToolTip(Language::fromIndex(i).ownName());
        flag->setAccessibleName(Language::fromIndex(i).ownName());
        flags[size_t(i)] = flag;
    }

    auto *templateCell = named(new QLabel(picBG), QStringLiteral("Feld0"));
    templateCell->resize(kCell);
    templateCell->setScaledContents(true);
    templateCell->hide();
    feld.append(templateCell);
    alpha[0] = named(new ClickableImage(picBG), QStringLiteral("imgAlpha0"));

    menu = named(new QMenu(window), QStringLiteral("mnuHilf"));
    mnuHilfe = menu->addAction(QString());
    menu->addSeparator();
    mnuHomepage = menu->addAction(QString());
    mnuEMail = menu->addAction(QString());
    menu->addSeparator();
    mnuUeber = menu->addAction(QString());
    mnuHilfe->setObjectName(QStringLiteral("mnuHilfe"));
    mnuHomepage->setObjectName(QStringLiteral("mnuHomepage"));
    mnuEMail->setObjectName(QStringLiteral("mnuEMail"));
    mnuUeber->setObjectName(QStringLiteral("mnuUeber"));
}

void BoardControls::applyZoom(qreal z)
{
    using namespace BoardStyle;
    zoom = z;
    const auto zoomed = [z](QSize design) { return (QSizeF(design) * z).toSize(); };
    const auto zoomFont = [z](QWidget *w, QFont font) {
        font.setPointSizeF(std::max(font.pointSizeF() * z, 5.0));
        w->setFont(font);
    };
    for (size_t i = 0; i < panel.size(); ++i) {
        panel[i]->resize(zoomed(kPanel));
        name[i]->resize(zoomed(kName));
        zoomFont(name[i], nameFont(name[i]->font()));
        score[i]->resize(zoomed(kScore));
        zoomFont(score[i], scoreFont(score[i]->font()));
    }
    zoomFont(notice, noticeFont(notice->font()));
    notice->adjustSize();
    for (QPushButton *b : buttons) {
        b->resize(zoomed(kButton));
        b->setIconSize(zoomed(kButtonIcon));
    }
    for (ClickableImage *flag : flags) {
        flag->setScaledContents(true);
        flag->resize(zoomed(kFlag));
    }
    for (QLabel *picture : {logo, sequence})
        picture->setScaledContents(true);
    for (ClickableImage *letter : alpha) {
        letter->setScaledContents(true);
        letter->resize(zoomed(kLetter));
    }
    feld[0]->resize(zoomed(kCell));
}
