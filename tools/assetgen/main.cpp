// assetgen [--only chalk|backgrounds|letters|window|sounds|sheet]... [resources-folder]
// Regenerates the embedded pictures and sounds in place and writes the contact sheet
// beside the resources (contact-sheet.png, not embedded).
#include "assetgen.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"only", "Generate only this group (repeatable).", "group"});
    parser.addPositionalArgument("resources", "The resources folder to write into.");
    parser.process(app);

    const QString root =
        parser.positionalArguments().value(0, QStringLiteral(QUENDO_RESOURCES_DIR));
    const QDir resources(root);
    for (const char *sub : {"bitmap", "wav", "window"})
        resources.mkpath(QString::fromLatin1(sub));

    const QStringList only = parser.values("only");
    auto wanted = [&](const char *group) { return only.isEmpty() || only.contains(group); };
    if (wanted("chalk"))
        assetgen::renderChalkPictures(resources);
    if (wanted("backgrounds"))
        assetgen::renderBackgrounds(resources);
    if (wanted("letters"))
        assetgen::renderLetterSheets(resources);
    if (wanted("window"))
        assetgen::renderWindowArt(resources);
    if (wanted("sounds"))
        assetgen::synthesiseSounds(resources);
    if (wanted("sheet"))
        assetgen::writeContactSheet(resources, resources.filePath("../docs/contact-sheet.png"));
    std::printf("assetgen: wrote %s\n", qPrintable(resources.absolutePath()));
    return 0;
}
