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
        QCOMPARE(boardSize({1024, 768}), QSize(922, 691));
        QCOMPARE(boardSize({1280, 1024}), QSize(922, 691));
        QCOMPARE(boardSize({1023, 768}), QSize(761, 553));
        QCOMPARE(boardSize({1366, 767}), QSize(761, 553));
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
