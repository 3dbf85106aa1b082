// Build step: turns the UTF-8 sources of the program's text files into the Windows-1252,
// CR LF files the program ships.
//   cp1252pack --table IN OUT   language table: drops '#' comments and empty lines, ends with NUL
//   cp1252pack --lines IN OUT   a plain list: every line as it stands
#include "Cp1252.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: cp1252pack --table|--lines IN OUT\n");
        return 2;
    }
    const QByteArray mode = argv[1];
    const bool table = mode == "--table";
    if (!table && mode != "--lines") {
        std::fprintf(stderr, "cp1252pack: unknown mode %s\n", argv[1]);
        return 2;
    }
    QFile in(QFile::decodeName(argv[2]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cp1252pack: cannot read %s\n", argv[2]);
        return 1;
    }
    QString text = QString::fromUtf8(in.readAll());
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);

    QByteArray out;
    int lineNo = 0;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        ++lineNo;
        if (table && (line.isEmpty() || line.startsWith(QLatin1Char('#'))))
            continue;
        bool lossy = false;
        out += Cp1252::encode(line, &lossy) + "\r\n";
        if (lossy) {
            std::fprintf(stderr, "%s:%d: character outside Windows-1252\n", argv[2], lineNo);
            return 1;
        }
    }
    if (text.isEmpty())
        out.clear();
    if (table)
        out += '\0';

    QSaveFile file(QFile::decodeName(argv[3]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        std::fprintf(stderr, "cp1252pack: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
