// SPDX-License-Identifier: MIT
#include "bench/RecognitionCorpus.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <map>
#include <random>

namespace RecognitionCorpus {
namespace {
struct Pool
{
    QStringList englishTexts;
    QStringList germanTexts;
    QStringList fonts;
};

const Pool &poolOf(Part part)
{
    static const auto load = [](const QStringList &names) {
        QStringList texts;
        for (const QString &name : names) {
            QFile file(
                QDir(QStringLiteral(QUILLON_CORPUS_DIR)).filePath(name + QStringLiteral(".txt")));
            if (file.open(QIODevice::ReadOnly))
                texts << QString::fromUtf8(file.readAll());
        }
        return texts;
    };
    static const Pool tuning{load({QStringLiteral("en-letter"), QStringLiteral("en-garden"),
                                   QStringLiteral("en-museum"), QStringLiteral("en-printing")}),
                             load({QStringLiteral("de-anleitung"), QStringLiteral("de-stadtfest"),
                                   QStringLiteral("de-brot"), QStringLiteral("de-bruecke")}),
                             {QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"),
                              QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}};
    static const Pool heldOut{load({QStringLiteral("en-travel"), QStringLiteral("en-minutes")}),
                              load({QStringLiteral("de-brief"), QStringLiteral("de-wetter")}),
                              {QStringLiteral("FreeSerif"), QStringLiteral("Nimbus Sans"),
                               QStringLiteral("C059"), QStringLiteral("P052"),
                               QStringLiteral("URW Bookman"), QStringLiteral("Nimbus Roman"),
                               QStringLiteral("FreeSans")}};
    return part == Part::Tuning ? tuning : heldOut;
}

// The texts one after the other from a chosen one on: more than a page holds.
QString pageText(const QStringList &texts, unsigned first)
{
    QStringList ordered;
    for (qsizetype i = 0; i < texts.size(); ++i)
        ordered << texts[(qsizetype(first) + i) % texts.size()];
    return ordered.join(QStringLiteral("\n\n"));
}

using Change = std::function<void(SheetSetup &, std::mt19937 &)>;

int either(std::mt19937 &random)
{
    return random() % 2 ? 1 : -1;
}

const std::map<std::string, Change> &changes()
{
    static const std::map<std::string, Change> all{
        {"clean",
         [](SheetSetup &, std::mt19937 &) {
         }},
        {"clean-10pt",
         [](SheetSetup &s, std::mt19937 &) {
             s.points = 10;
         }},
        {"skew-1",
         [](SheetSetup &s, std::mt19937 &r) {
             s.skew = either(r) * 1.0;
         }},
        {"skew-3",
         [](SheetSetup &s, std::mt19937 &r) {
             s.skew = either(r) * 3.0;
         }},
        {"skew-7",
         [](SheetSetup &s, std::mt19937 &r) {
             s.skew = either(r) * 7.0;
         }},
        {"keystone",
         [](SheetSetup &s, std::mt19937 &r) {
             s.keystone = 3 + r() % 4;
         }},
        {"lamp",
         [](SheetSetup &s, std::mt19937 &r) {
             s.falloff = 35 + int(r() % 20);
         }},
        {"desk",
         [](SheetSetup &s, std::mt19937 &r) {
             s.desk = 20 + int(r() % 40);
             s.fill = 82 + r() % 9;
         }},
        {"turn-90",
         [](SheetSetup &s, std::mt19937 &) {
             s.quarterTurns = 1;
         }},
        {"turn-180",
         [](SheetSetup &s, std::mt19937 &) {
             s.quarterTurns = 2;
         }},
        {"turn-270",
         [](SheetSetup &s, std::mt19937 &) {
             s.quarterTurns = 3;
         }},
    };
    return all;
}
} // namespace

const std::vector<std::string> &kinds()
{
    static const std::vector<std::string> names{"clean",   "clean-10pt", "skew-1",  "skew-3",
                                                "skew-7",  "keystone",   "lamp",    "desk",
                                                "turn-90", "turn-180",   "turn-270"};
    return names;
}

std::vector<Page> pages(const std::string &kind, Part part, int count)
{
    const Pool &pool = poolOf(part);
    std::vector<Page> result;
    for (int index = 0; index < count; ++index) {
        // The same pages on every run and machine: mt19937's numbers are fixed by the standard.
        const auto kindNumber = std::find(kinds().begin(), kinds().end(), kind) - kinds().begin();
        std::seed_seq seed{int(part), int(kindNumber), index};
        std::mt19937 random(seed);
        const bool german = index % 2 == 1;
        const QStringList &texts = german ? pool.germanTexts : pool.englishTexts;
        SheetSetup setup;
        setup.text = pageText(texts, random() % unsigned(texts.size()));
        setup.font = pool.fonts[qsizetype(random() % unsigned(pool.fonts.size()))];
        setup.points = 8 + random() % 5;
        setup.columns = random() % 3 == 0 ? 2 : 1;
        setup.justified = random() % 2 == 0;
        setup.paper =
            !german && random() % 2 == 0 ? SheetSetup::Paper::Letter : SheetSetup::Paper::A4;
        setup.fill = 90 + random() % 8;
        setup.blur = 0.5 + 0.1 * (random() % 7);
        setup.noise = 2 + int(random() % 4);
        setup.seed = random();
        SheetSetup clean = setup;
        changes().at(kind)(setup, random);
        clean.fill = setup.fill;
        result.push_back({setup, german ? QStringLiteral("deu") : QStringLiteral("eng"), clean});
    }
    return result;
}

} // namespace RecognitionCorpus
