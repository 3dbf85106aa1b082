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
    void scaleAndPlaceOfTheBoard()
    {
        QCOMPARE(scaleFactor(144, 999), 0.8f);
        QCOMPARE(scaleFactor(96, 800), 1.0f);
        QCOMPARE(scaleFactor(120, 1000), 1.0f);
        // A window larger or smaller than the board: the board centred, or cut evenly.
        QCOMPARE(place(board({761, 553}, 1.0f, {1001, 700})).board, QPoint(120, 73));
        QCOMPARE(place(board({922, 691}, 1.0f, {700, 500})).board, QPoint(-111, -95));
    }

    // Every control on the screen, on any screen of 800 × 600 device pixels or more, at any
    // scaling Qt applies for large fonts or high-density screens.
    void everyControlFitsTheScreen_data()
    {
        QTest::addColumn<QSize>("device");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QSize>("board");
        QTest::newRow("1024x768") << QSize(1024, 768) << 1.0 << QSize(922, 691);
        QTest::newRow("800x600") << QSize(800, 600) << 1.0 << QSize(761, 553);
        QTest::newRow("1024x768 with a taskbar") << QSize(1024, 730) << 1.0 << QSize(761, 553);
        // 120 dpi: Qt scales by 1.25, the window sees 640 × 480.
        QTest::newRow("800x600 at 120 dpi") << QSize(800, 600) << 1.25 << QSize(605, 440);
        QTest::newRow("800x600 at 144 dpi") << QSize(800, 600) << 1.5 << QSize(495, 360);
        QTest::newRow("800x600 doubled") << QSize(800, 600) << 2.0 << QSize(357, 260);
        QTest::newRow("3840x2160 doubled") << QSize(3840, 2160) << 2.0 << QSize(922, 691);
    }
    void everyControlFitsTheScreen()
    {
        QFETCH(QSize, device);
        QFETCH(qreal, scale);
        const QSize frame(8, 40);
        const QSize available = (QSizeF(device) / scale).toSize();
        const BoardChoice choice = chooseBoard(available, frame, 96.0);
        QTEST(choice.board, "board");
        QVERIFY(choice.board.width() + frame.width() <= available.width());
        QVERIFY(choice.board.height() + frame.height() <= available.height());

        Input in = board(choice.board, choice.f);
        in.zoom = choice.zoom;
        for (QSize *size :
             {&in.logo, &in.sequence, &in.panel, &in.name, &in.button, &in.flag, &in.letter})
            *size = (QSizeF(*size) * in.zoom).toSize();
        in.scoreHeight = qRound(in.scoreHeight * in.zoom);
        const Placement p = place(in);
        const QRect onBoard(QPoint(0, 0), choice.board);
        const QRect picture(p.sequence, in.sequence);
        const QRect toolbarInside(QPoint(0, 0), p.toolbar.size());
        QVERIFY(onBoard.contains(QRect(p.logo, in.logo)) && onBoard.contains(picture));
        QVERIFY(onBoard.contains(p.toolbar) && onBoard.contains(baseBar(in, p)));
        QVERIFY(onBoard.contains(QRect(p.nextButton, in.button)));
        for (const QPoint &b : p.toolButton)
            QVERIFY(toolbarInside.contains(QRect(b, in.button)));
        for (const QPoint &flag : p.flag)
            QVERIFY(toolbarInside.contains(QRect(flag, in.flag)));
        // Nothing stands on anything else.
        for (const QPoint &panel : p.panel)
            QVERIFY(onBoard.contains(QRect(panel, in.panel)) &&
                    !QRect(panel, in.panel).intersects(picture));
        QRect strip;
        for (const QPoint &letter : p.letter)
            strip |= QRect(letter, in.letter);
        QVERIFY(onBoard.contains(strip));
        QVERIFY(!strip.intersects(p.toolbar) && !strip.intersects(picture));
        QVERIFY(!QRect(p.nextButton, in.button).intersects(strip));
    }
};

QTEST_APPLESS_MAIN(TestBoardLayout)
#include "tst_boardlayout.moc"
