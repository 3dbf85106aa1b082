#include "Cp1252.h"

namespace {

// 0x80..0x9F; 0 marks the five undefined bytes, which map to the C1 control of the same code.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t toUnicode(uchar b)
{
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
        return kHigh[b - 0x80];
    return b;
}

// -1 when the character has no byte.
int toByte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == u)
            return 0x80 + i;
    }
    if (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0)
        return u; // the undefined bytes round-trip
    return -1;
}

} // namespace

namespace Cp1252 {

QString decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (const char b : bytes)
        *dst++ = QChar(toUnicode(static_cast<uchar>(b)));
    return out;
}

QByteArray encode(QStringView text, bool *lossy)
{
    QByteArray out;
    out.reserve(text.size());
    bool lost = false;
    for (const QChar c : text) {
        const int b = toByte(c.unicode());
        lost = lost || b < 0;
        out.append(static_cast<char>(b < 0 ? '?' : b));
    }
    if (lossy)
        *lossy = lost;
    return out;
}

bool canEncode(QChar c)
{
    return toByte(c.unicode()) >= 0;
}

} // namespace Cp1252
