#include "Utilities.h"

#include "ErrorConvention.h"
#include "RunTimeError.h"
#include "Settings.h"

#include <QDateTime>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTimer>

#include <cmath>

namespace {

QRandomGenerator &generator()
{
    static QRandomGenerator gen(1);
    return gen;
}

} // namespace

void seedRandom(quint32 seed)
{
    generator().seed(seed);
}

void seedRandomFromClock()
{
    seedRandom(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

qint16 zz(qint16 lo, qint16 hi)
{
    qint16 result = 0;
    Procedure proc(Proc::Allgemein::zz);
    proc.step([&] {
        const qint16 span = checkedInt16(qint32(hi) - lo + 1);
        // 24 random bits give a single-precision r with 0 <= r < 1 exactly.
        const float r = float(generator().generate() >> 8) / float(1 << 24);
        result = checkedInt16(qint64(std::floor(double(lo) + double(span) * double(r))));
    });
    return result;
}

QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.sliced(b, e - b);
}

void Verzoegerung(double seconds)
{
    if (!(seconds > 0))
        return;
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(std::lround(seconds * 1000.0)));
    loop.exec();
}
