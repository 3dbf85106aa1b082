#include "Encrypt.h"

#include "Cp1252.h"
#include "ErrorConvention.h"

QString Encrypt(QString text, const QString &key)
{
    Procedure proc(Proc::Allgemein::Encrypt);
    proc.step([&] {
        const QByteArray keyCodes = Cp1252::encode(key);
        if (keyCodes.isEmpty())
            return;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!Cp1252::canEncode(text[i]))
                continue;
            const char code = Cp1252::encode(QStringView(&text[i], 1)).at(0);
            const char scrambled = char(code ^ keyCodes.at(i % keyCodes.size()));
            text[i] = Cp1252::decode(QByteArrayView(&scrambled, 1)).at(0);
        }
    });
    return text;
}
