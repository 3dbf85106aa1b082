// Small procedures the game and the platform services share.
#pragma once

#include <QString>
#include <QStringView>

// A random integer from lo to hi inclusive, all from one generator per process.
qint16 zz(qint16 lo, qint16 hi);
// Seeds that generator; the program seeds it once from the clock, tests with a fixed value.
void seedRandom(quint32 seed);
void seedRandomFromClock();

// s without the blanks at both ends; a TAB is part of the text: the word lists' length rule
// counts it.
QStringView trimBlanks(QStringView s);

// Waits while the window goes on processing events (clicks, painting, timers), without
// spinning the CPU. Uses a monotonic clock: a change of the time of day neither cuts the wait
// short nor stretches it.
void Verzoegerung(double seconds);
