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
#include <initializer_list>
#include <utility>
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

bool saveImage(const QImage &image, const QString &path)
{
    return !image.isNull() && image.save(path, "PNG");
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
        {"toolbar@2x.png", drawToolBarStrip2x},
        {"splash.png", drawSplash},
        {"app-icon.svg", nullptr, writeAppIconSvg},
    };
    static const std::vector<CatalogueEntry> all = [] {
        std::vector<CatalogueEntry> list(std::begin(entries), std::end(entries));
        // Every size of the desktops' icon themes.
        for (const auto &[size, name] :
             std::initializer_list<std::pair<int, const char *>>{{16, "app-icon-16.png"},
                                                                 {22, "app-icon-22.png"},
                                                                 {24, "app-icon-24.png"},
                                                                 {32, "app-icon-32.png"},
                                                                 {48, "app-icon-48.png"},
                                                                 {64, "app-icon-64.png"},
                                                                 {128, "app-icon-128.png"},
                                                                 {256, "app-icon-256.png"}})
            list.push_back({name, [size = size] {
                                return drawAppIcon(size);
                            }});
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
        const QString path = outputDir.filePath(args[i]);
        const bool written = entry->write ? entry->write(path) : saveImage(entry->draw(), path);
        if (!written) {
            std::fprintf(stderr, "resgen: cannot write %s\n", qPrintable(args[i]));
            return 1;
        }
    }
    return 0;
}
