// SPDX-License-Identifier: MIT
// Draws the program's bitmaps at build time: resgen FONT-DIR OUTPUT-DIR FILE...
// Each FILE must be a name from the catalogue; it is written as a PNG into OUTPUT-DIR.
#include "res/generator/Catalogue.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {
QString g_family;

bool loadFonts(const QDir &fontDir)
{
    for (const char *file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(fontDir.filePath(QLatin1String(file)));
        if (id < 0) {
            std::fprintf(stderr, "resgen: cannot load %s from %s\n", file,
                         qPrintable(fontDir.path()));
            return false;
        }
        g_family = QFontDatabase::applicationFontFamilies(id).value(0);
    }
    return !g_family.isEmpty();
}

const CatalogueEntry *find(const QString &fileName)
{
    for (const CatalogueEntry &entry : catalogue()) {
        if (fileName == QLatin1String(entry.fileName))
            return &entry;
    }
    return nullptr;
}
} // namespace

QString textFamily()
{
    return g_family;
}

std::span<const CatalogueEntry> catalogue()
{
    static const CatalogueEntry entries[] = {
        {"toolbar.png", drawToolBarStrip},
        {"splash.png", drawSplash},
        {"app-icon-16.png",
         [] {
             return drawAppIcon(16);
         }},
        {"app-icon-32.png",
         [] {
             return drawAppIcon(32);
         }},
        {"app-icon-48.png",
         [] {
             return drawAppIcon(48);
         }},
        {"app-icon-256.png",
         [] {
             return drawAppIcon(256);
         }},
    };
    static const std::vector<CatalogueEntry> all = [] {
        std::vector<CatalogueEntry> list(std::begin(entries), std::end(entries));
        const std::span<const CatalogueEntry> panel = remotePanelCatalogue();
        list.insert(list.end(), panel.begin(), panel.end());
        return list;
    }();
    return all;
}

int main(int argc, char **argv)
{
    // No display is needed to draw into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A build has no session; a private runtime folder keeps Qt from complaining about it.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: resgen FONT-DIR OUTPUT-DIR FILE...\n");
        return 2;
    }
    if (!loadFonts(QDir(args[1])))
        return 1;
    const QDir outputDir(args[2]);
    if (!outputDir.mkpath(QStringLiteral(".")))
        return 1;
    for (qsizetype i = 3; i < args.size(); ++i) {
        const CatalogueEntry *entry = find(args[i]);
        if (!entry) {
            std::fprintf(stderr, "resgen: no image called %s\n", qPrintable(args[i]));
            return 1;
        }
        const QImage image = entry->draw();
        if (image.isNull() || !image.save(outputDir.filePath(args[i]), "PNG")) {
            std::fprintf(stderr, "resgen: cannot write %s\n", qPrintable(args[i]));
            return 1;
        }
    }
    return 0;
}
