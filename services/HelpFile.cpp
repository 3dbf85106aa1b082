#include "HelpFile.h"

#include "Language.h"

#include <QFileInfo>

QString helpFileName(int languageIndex)
{
    static constexpr const char *kSuffixes[kLanguageCount] = {"",    "-en", "-sv", "-it",
                                                              "-pt", "-es", "-fr"};
    if (languageIndex < 0 || languageIndex >= kLanguageCount)
        return {};
    return QStringLiteral("Quendo%1.html").arg(QLatin1String(kSuffixes[languageIndex]));
}

QString helpFilePath(const QString &folder, int languageIndex)
{
    constexpr int kEnglish = 1;
    constexpr int kGerman = 0;
    for (const int index : {languageIndex, kEnglish, kGerman}) {
        const QString name = helpFileName(index);
        const QString path = folder + QLatin1Char('/') + name;
        if (!name.isEmpty() && QFileInfo(path).isFile())
            return path;
    }
    return {};
}
