#include "Language.h"
#include "Settings.h"
#include "TempDir.h"

#include <QApplication>
#include <QFile>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString path = GetTempDir() + QStringLiteral("~tmp.lng");
    QFile res(QStringLiteral(":/res/custom/1000"));
    res.open(QIODevice::ReadOnly);
    writeFileAtomically(path, res.readAll());
    setLangFilePath(path);
    setLangBase(startLangBase(readStartCount(), QLocale::system()));
    QLabel label(GetLang(langBase() + 101));
    label.setWindowTitle(QStringLiteral("Quendo"));
    label.resize(400, 200);
    label.show();
    return app.exec();
}
