#include "BoardLayout.h"

#include <QTest>

using namespace BoardLayout;

namespace {

Input board(QSize size, float f, QSize window = {})
{
    Input in;
    in.board = size;
    in.window = window.isValid() ? window : size;
    in.f = f;
    return in;
}

} // namespace

class TestBoardLayout : public QObject
{
    Q_OBJECT
private slots:
    void screenDecidesScaleAndBoard()
    {
        QCOMPARE(scaleFactor(120, 800), 0.8f);
        QCOMPARE(scaleFactor(144, 999), 0.8f);
        QCOMPARE(scaleFactor(96, 800), 1.0f);
        QCOMPARE(scaleFactor(120, 1000), 1.0f);
    }

    // Every control on the screen, on any screen of 800 × 600 device pixels or more, at any
    // scaling Qt applies for large fonts or high-density screens.
    void everyControlFitsTheScreen_data()
    {
        QTest::addColumn<QSize>("device");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QSize>("board");
        QTest::newRow("1024x768") << QSize(1024, 768) << 1.0 << QSize(922, 691);
        QTest::newRow("1280x1024") << QSize(1280, 1024) << 1.0 << QSize(922, 691);
        QTest::newRow("800x600") << QSize(800, 600) << 1.0 << QSize(761, 553);
        QTest::newRow("1366x768") << QSize(1366, 768) << 1.0 << QSize(922, 691);
        QTest::newRow("1024x768 with a taskbar") << QSize(1024, 730) << 1.0 << QSize(761, 553);
        // 120 dpi: Qt scales by 1.25, the window sees 640 × 480.
        QTest::newRow("800x600 at 120 dpi") << QSize(800, 600) << 1.25 << QSize(605, 440);
        QTest::newRow("1024x768 at 120 dpi") << QSize(1024, 768) << 1.25 << QSize(761, 553);
        QTest::newRow("800x600 at 144 dpi") << QSize(800, 600) << 1.5 << QSize(495, 360);
        QTest::newRow("800x600 doubled") << QSize(800, 600) << 2.0 << QSize(357, 260);
        QTest::newRow("1920x1080 doubled") << QSize(1920, 1080) << 2.0 << QSize(688, 500);
        QTest::newRow("3840x2160 doubled") << QSize(3840, 2160) << 2.0 << QSize(922, 691);
    }
    void everyControlFitsTheScreen()
    {
        QFETCH(QSize, device);
        QFETCH(qreal, scale);
        QFETCH(QSize, board);
        const QSize frame(8, 40);
        const QSize available = (QSizeF(device) / scale).toSize();
        const BoardChoice choice = chooseBoard(available, frame, 96.0);
        QCOMPARE(choice.board, board);
        QVERIFY(choice.board.width() + frame.width() <= available.width());
        QVERIFY(choice.board.height() + frame.height() <= available.height());

        const qreal z = choice.zoom;
        const auto zoomed = [z](QSize s) { return (QSizeF(s) * z).toSize(); };
        Input in;
        in.window = in.board = choice.board;
        in.f = choice.f;
        in.zoom = z;
        in.logo = zoomed(in.logo);
        in.sequence = zoomed(in.sequence);
        in.panel = zoomed(in.panel);
        in.name = zoomed(in.name);
        in.scoreHeight = qRound(in.scoreHeight * z);
        in.button = zoomed(in.button);
        in.flag = zoomed(in.flag);
        in.letter = zoomed(in.letter);
        const Placement p = place(in);
        const QRect onBoard(QPoint(0, 0), choice.board);
        const auto inside = [&](const QRect &r, const QRect &within, const char *what) {
            QVERIFY2(within.contains(r), qPrintable(QStringLiteral("%1 (%2,%3 %4x%5)")
                                                        .arg(QLatin1String(what))
                                                        .arg(r.x())
                                                        .arg(r.y())
                                                        .arg(r.width())
                                                        .arg(r.height())));
        };
        inside(QRect(p.logo, in.logo), onBoard, "logo");
        inside(QRect(p.sequence, in.sequence), onBoard, "picture");
        for (int i = 0; i < 4; ++i)
            inside(QRect(p.panel[i], in.panel), onBoard, "player panel");
        inside(p.toolbar, onBoard, "toolbar");
        const QRect toolbarInside(QPoint(0, 0), p.toolbar.size());
        for (const QPoint &b : p.toolButton)
            inside(QRect(b, in.button), toolbarInside, "toolbar button");
        for (const QPoint &flag : p.flag)
            inside(QRect(flag, in.flag), toolbarInside, "flag");
        for (const QPoint &letter : p.letter)
            inside(QRect(letter, in.letter), onBoard, "letter");
        inside(QRect(p.nextButton, in.button), onBoard, "Next");
        inside(baseBar(in, p), onBoard, "bar");
        // Nothing stands on anything else.
        const QRect picture(p.sequence, in.sequence);
        for (int i = 0; i < 4; ++i)
            QVERIFY2(!QRect(p.panel[i], in.panel).intersects(picture), "a panel on the picture");
        QRect strip;
        for (const QPoint &letter : p.letter)
            strip |= QRect(letter, in.letter);
        QVERIFY(!strip.intersects(p.toolbar));
        QVERIFY(!strip.intersects(picture));
        QVERIFY(!QRect(p.nextButton, in.button).intersects(QRect(p.letter[9], in.letter)));
    }

    void roundingHalvesToEven()
    {
        QCOMPARE(px(32.5), 32);
        QCOMPARE(px(33.5), 34);
        QCOMPARE(halfOf(461), 230);
        QCOMPARE(halfOf(368.8), 184);
        QCOMPARE(halfOf(-222), -111);
    }

    void staggeredKeyboardRows()
    {
        QCOMPARE(letterOffset(0), QPoint(0, 0));
        QCOMPARE(letterOffset(9), QPoint(405, 0));
        QCOMPARE(letterOffset(10), QPoint(-20, 50));
        QCOMPARE(letterOffset(19), QPoint(385, 50));
        QCOMPARE(letterOffset(20), QPoint(30, 100));
        QCOMPARE(letterOffset(28), QPoint(390, 100));
    }

    void largeBoard()
    {
        const Input in = board({922, 691}, 1.0f);
        const Placement p = place(in);
        QCOMPARE(p.board, QPoint(0, 0));
        QCOMPARE(p.logo, QPoint(311, 21));
        QCOMPARE(p.sequence, QPoint(311, 104));
        QCOMPARE(p.notice, QPoint(10, 665));
        QCOMPARE(p.panel[0], QPoint(46, 75));
        QCOMPARE(p.panel[1], QPoint(46, 160));
        QCOMPARE(p.panel[2], QPoint(729, 75));
        QCOMPARE(p.panel[3], QPoint(729, 160));
        QCOMPARE(p.name[0], QPoint(56, 85));
        QCOMPARE(p.score[0], QRect(94, 119, 76, 25));
        QCOMPARE(p.name[3], QPoint(739, 170));
        QCOMPARE(p.toolbar, QRect(46, 456, 147, 147));
        QCOMPARE(p.toolButton[0], QPoint(12, 14));
        QCOMPARE(p.toolButton[1], QPoint(54, 14));
        QCOMPARE(p.toolButton[2], QPoint(96, 14));
        QCOMPARE(p.toolButton[3], QPoint(12, 52));
        QCOMPARE(p.toolButton[5], QPoint(96, 52));
        QCOMPARE(p.flag[0], QPoint(8, 100));
        QCOMPARE(p.flag[3], QPoint(104, 100));
        QCOMPARE(p.flag[4], QPoint(22, 120));
        QCOMPARE(p.flag[6], QPoint(86, 120));
        QCOMPARE(p.wordFieldLeft, 200);
        QCOMPARE(p.wordFieldTop, 322);
        QCOMPARE(p.letter[0], QPoint(243, 456));
        QCOMPARE(p.letter[9], QPoint(648, 456));
        QCOMPARE(p.letter[10], QPoint(223, 506));
        QCOMPARE(p.letter[28], QPoint(633, 556));
        QCOMPARE(p.nextButton, QPoint(698, 456));
        QCOMPARE(baseBar(in, p), QRect(10, 366, 902, 10));
    }

    void smallBoard()
    {
        const Input in = board({761, 553}, 1.0f);
        const Placement p = place(in);
        QCOMPARE(p.logo, QPoint(230, 17));
        QCOMPARE(p.sequence, QPoint(230, 83));
        QCOMPARE(p.panel[2], QPoint(568, 75));
        QCOMPARE(p.toolbar, QRect(46, 365, 147, 147));
        QCOMPARE(p.wordFieldTop, 301);
        QCOMPARE(p.letter[0], QPoint(243, 365));
        QCOMPARE(p.letter[28], QPoint(633, 465));
        // The strip's last row ends inside the board.
        QVERIFY(p.letter[28].y() + in.letter.height() <= 553);
    }

    void reducedLayoutShrinksMarginsButNotTheKeyboard()
    {
        const Input in = board({761, 553}, 0.8f);
        const Placement p = place(in);
        QCOMPARE(p.logo, QPoint(184, 17));
        QCOMPARE(p.sequence, QPoint(184, 83));
        QCOMPARE(p.notice, QPoint(8, 527));
        QCOMPARE(p.panel[0], QPoint(52, 60));
        QCOMPARE(p.panel[1], QPoint(52, 145));
        QCOMPARE(p.panel[2], QPoint(439, 60));
        QCOMPARE(p.name[0], QPoint(60, 68));
        QCOMPARE(p.score[0], QRect(98, 102, 76, 25));
        QCOMPARE(p.toolButton[0], QPoint(10, 14));
        QCOMPARE(p.toolButton[1], QPoint(51, 14));
        QCOMPARE(p.flag[0], QPoint(7, 100));
        QCOMPARE(p.wordFieldLeft, 160);
        QCOMPARE(p.wordFieldTop, 297);
        QCOMPARE(p.letter[0], QPoint(239, 365));
        QCOMPARE(p.letter[10] - p.letter[0], QPoint(-20, 50)); // offsets are not scaled
        QCOMPARE(p.nextButton, QPoint(690, 365));
        QCOMPARE(baseBar(in, p), QRect(8, 345, 745, 8));
    }

    void boardIsCentredAndCutInASmallWindow()
    {
        QCOMPARE(place(board({761, 553}, 1.0f, {1001, 700})).board, QPoint(120, 73));
        QCOMPARE(place(board({922, 691}, 1.0f, {700, 500})).board, QPoint(-111, -95));
    }
};

QTEST_APPLESS_MAIN(TestBoardLayout)
#include "tst_boardlayout.moc"
