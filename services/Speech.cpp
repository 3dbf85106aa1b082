#include "Speech.h"

#include "TextIds.h"

#include "speech/SpeechModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QLibraryInfo>
#include <QStandardPaths>

#include <cstdio>

namespace {

class SilentSpeechOutput final : public SpeechOutput
{
public:
    void say(const QString &, const QLocale &, bool) override {}
    void stop() override {}
};

std::unique_ptr<SpeechOutput> &outputSlot()
{
    static std::unique_ptr<SpeechOutput> output;
    return output;
}

QString programFolderPath()
{
    return QCoreApplication::applicationDirPath();
}

QString modulePath(const QString &folder)
{
    return folder + QStringLiteral("/lib") + QLatin1StringView(kSpeechModuleName) +
           QStringLiteral(".so");
}

// What is missing, for standard error; empty when nothing is.
QString missingPart(const QString &folder)
{
    if (!QFileInfo::exists(modulePath(folder)))
        return QStringLiteral("no speech module %1").arg(modulePath(folder));
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/texttospeech/libqtexttospeech_") +
                           QLatin1StringView(kSpeechEngine) + QStringLiteral(".so");
    if (!QFileInfo::exists(plugin))
        return QStringLiteral("no Qt speech engine %1 (package qt6-speech-speechd-plugin)")
            .arg(plugin);
    if (QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty())
        return QStringLiteral("no speech server (package speech-dispatcher)");
    return {};
}

SpeechOutput &output()
{
    auto &slot = outputSlot();
    if (!slot)
        slot = makeSystemSpeechOutput(programFolderPath());
    return *slot;
}

} // namespace

QLocale speechLocale(Language language)
{
    static const QLocale locales[kLanguageCount] = {
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::English, QLocale::UnitedKingdom),
        QLocale(QLocale::Swedish, QLocale::Sweden),
        QLocale(QLocale::Italian, QLocale::Italy),
        QLocale(QLocale::Portuguese, QLocale::Portugal),
        QLocale(QLocale::Spanish, QLocale::Spain),
        QLocale(QLocale::French, QLocale::France),
    };
    return locales[language.index()];
}

QString speechUnavailable()
{
    // An output put in place (a test's, or the module already loaded) speaks.
    if (outputSlot() && !dynamic_cast<SilentSpeechOutput *>(outputSlot().get()))
        return {};
    return speechUnavailable(programFolderPath());
}

QString speechUnavailable(const QString &folder)
{
    return missingPart(folder).isEmpty() ? QString() : uiText(Txt::NoSpeechOutput);
}

std::unique_ptr<SpeechOutput> makeSystemSpeechOutput(const QString &folder)
{
    QString why = missingPart(folder);
    if (why.isEmpty()) {
        // The module stays loaded for the rest of the run: its output's code lives in it.
        QLibrary module(modulePath(folder));
        const auto create =
            reinterpret_cast<CreateSpeechOutput>(module.resolve(kSpeechModuleEntry));
        std::unique_ptr<SpeechOutput> made(create ? create(kSpeechModuleVersion) : nullptr);
        if (made)
            return made;
        why = create ? QStringLiteral("the speech module is from another build")
                     : module.errorString();
    }
    std::fprintf(stderr, "quendo: playing without reading aloud: %s\n", qPrintable(why));
    return std::make_unique<SilentSpeechOutput>();
}

std::unique_ptr<SpeechOutput> setSpeechOutput(std::unique_ptr<SpeechOutput> next)
{
    return std::exchange(outputSlot(), std::move(next));
}

void Say(const QString &text, bool cutOff)
{
    if (!text.isEmpty())
        output().say(text, speechLocale(currentLanguage()), cutOff);
}

void warmUpSpeech()
{
    output().warmUp();
}

void shutdownSpeech()
{
    if (auto &slot = outputSlot()) {
        slot->stop();
        slot.reset();
    }
}
