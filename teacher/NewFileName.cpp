#include "NewFileName.h"

#include "Language.h"
#include "Settings.h"
#include "SettingsTable.h"

#include <QFile>

#include <algorithm>

namespace NewFileName {

namespace {

const QString kExtension = QStringLiteral(".dat");
// The longest file name the usual Linux file systems take, in bytes.
constexpr qsizetype kMaxNameBytes = 255;

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control;
}

} // namespace

QString withExtension(const QString &typed)
{
    return typed.endsWith(kExtension, Qt::CaseSensitive) ? typed : typed + kExtension;
}

bool usable(const QString &fileName)
{
    if (fileName.contains(u'/') || fileName.contains(u'\\') ||
        fileName.contains(QStringLiteral("..")) || fileName.startsWith(u'.') ||
        std::any_of(fileName.begin(), fileName.end(), isControl))
        return false;
    if (QFile::encodeName(fileName).size() > kMaxNameBytes)
        return false;
    const Setting::Text remembered = Setting::vocabFile(currentLanguage());
    return iniKeepsExactly(remembered.section, remembered.key, fileName);
}

} // namespace NewFileName
