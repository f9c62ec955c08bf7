// SPDX-License-Identifier: MIT
// The clean-up of photographed sheets, on a corpus of typeset sheets on desks with their true
// corners: how often the outline is found and how well it overlaps the truth, how often the
// page is turned upright, the skew left after the clean-up, the recognition error before and
// after, and the time per page beside its floor (squaring the page to known corners), also as the
// median and worst page of the corpus. Wall time: the user waits for the clean-up.
#include "bench/WordsRead.h"
#include "cleanup/Perspective.h"
#include "cleanup/SheetFinder.h"
#include "document/PageCleanup.h"
#include "document/TesseractRecognizer.h"
#include "sim/TypesetSheet.h"
#include "tests/support/CharacterErrorRate.h"
#include "tests/support/CornerOverlap.h"

#include <QLineF>
#include <QTransform>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <numbers>
#include <vector>

namespace {
const QString Harbour = QStringLiteral(
    "The harbour master kept a ledger of every ship that came in, with its cargo, its crew and "
    "the weather of the crossing. Most entries were short: a name, a date, a few barrels of "
    "salted fish or a load of timber from the northern forests.\n\n"
    "When the old building was pulled down, the ledgers were found in a chest under the "
    "stairs, their pages yellow but still readable.");
const QString Orchard = QStringLiteral(
    "Apple trees need a cold winter to set fruit, which is why the old orchards lie on the "
    "northern slopes of the valley. Each spring the growers walk the rows and count the "
    "blossom, and by June they know roughly how heavy the harvest will be.\n\n"
    "Pears ripen later and keep less well, so most of them are sold at the autumn market.");
// Held out: a text, a font and desks the finder was never tried on while it was written.
const QString Minutes = QStringLiteral(
    "Minutes of the meeting held on the third of March. Present were the chair, the treasurer "
    "and seven members. The treasurer reported that the accounts for the past year were in "
    "order and that the repair of the roof had cost less than expected.\n\n"
    "It was agreed to hold the summer fair on the last Saturday of June.");

struct Case
{
    SheetSetup setup;
    // The sheet's long side as a share of the picture's height, however it lies.
    double height = 0.8;
    bool heldOut = false;
};

// The sheet of the case on the desk; square: the same sheet photographed square and evenly lit,
// the recognition error to compare with.
SheetSetup laid(const Case &c, bool square = false)
{
    SheetSetup setup = c.setup;
    if (square) {
        setup.quarterTurns = 0;
        setup.skew = 0;
        setup.keystone = 0;
        setup.falloff = 0;
        setup.finger = SheetSetup::Side::None;
        setup.offset = {};
    }
    // Lying across, a sheet fits the picture by its width: fill is measured there.
    constexpr double Across = 1024.0 / 1272.0;
    setup.fill = 100 * c.height * (setup.quarterTurns % 2 ? Across : 1);
    return setup;
}

std::vector<Case> corpus()
{
    std::vector<Case> cases;
    const std::array<const char *, 3> fonts{"DejaVu Serif", "Liberation Sans", "DejaVu Sans"};
    const std::array<int, 4> desks{20, 70, 130, 185};
    for (int i = 0; i < 24; ++i) {
        Case c;
        c.heldOut = i >= 18;
        SheetSetup &s = c.setup;
        s.text = c.heldOut ? Minutes : (i % 2 == 0 ? Harbour : Orchard);
        s.font = QString::fromLatin1(c.heldOut ? "Liberation Serif" : fonts[std::size_t(i % 3)]);
        s.points = i % 4 == 3 ? 8 : 10;
        s.paper = i % 5 == 4 ? SheetSetup::Paper::Letter : SheetSetup::Paper::A4;
        // Every way up, a few degrees off.
        s.quarterTurns = (i * 7) % 4;
        s.skew = -10 + (i * 13) % 21;
        s.keystone = (i * 5) % 13;
        s.desk = c.heldOut ? 40 + 25 * (i - 18) : desks[std::size_t(i % 4)];
        s.falloff = (i * 11) % 50;
        s.lamp = SheetSetup::Side::Left;
        s.finger = i % 6 == 5 ? SheetSetup::Side::Bottom : SheetSetup::Side::None;
        s.offset = QPointF(((i * 37) % 120) - 60, ((i * 23) % 60) - 30);
        c.height = 0.78 + 0.02 * (i % 5);
        cases.push_back(c);
    }
    return cases;
}

// The angle at which the page's true top and bottom edges lie after the clean-up, in degrees:
// the skew it left, measured against the truth rather than by the finder itself.
double residualSkew(const TypesetSheet &scene, const PageEdits &edits)
{
    const SheetCorners corners = *edits.corners;
    const QSizeF size = Perspective::straightenedSize(corners);
    QTransform square;
    QTransform::quadToQuad(
        QPolygonF({corners[0], corners[1], corners[2], corners[3]}),
        QPolygonF({QPointF(0, 0), QPointF(size.width(), 0), QPointF(size.width(), size.height()),
                   QPointF(0, size.height())}),
        square);
    auto angleOf = [&](const QPointF &from, const QPointF &to) {
        const QPointF edge = square.map(to) - square.map(from);
        return std::atan2(edge.y(), edge.x()) * 180 / std::numbers::pi;
    };
    const double edges = (angleOf(scene.corners[0], scene.corners[1]) +
                          angleOf(scene.corners[3], scene.corners[2])) /
                         2;
    // A sheet lying turned is squared with its lines along the columns: that is no skew.
    return std::remainder(edges + edits.skew, 90.0);
}

// Whether the page the edits make stands upright: its true top left corner is the one its
// turns bring to the top left.
bool upright(const TypesetSheet &scene, const PageEdits &edits)
{
    const SheetCorners corners = *edits.corners;
    const QPointF topLeft = corners[std::size_t((4 - edits.quarterTurns) % 4)];
    for (const QPointF &corner : corners) {
        if (QLineF(corner, scene.corners[0]).length() < QLineF(topLeft, scene.corners[0]).length())
            return false;
    }
    return true;
}

// The words of the page that edits make of picture, as the PDF's text layer reads them.
QString textOf(TextRecognizer &recognizer, const QImage &picture, const PageEdits &edits)
{
    const PageCleanup::Enlarged page = PageCleanup::renderForReading(picture, edits);
    return wordsRead(recognizer, page.page, page.scale);
}

void BM_CleanPage(benchmark::State &state)
{
    const TypesetSheet scene = typesetSheet(laid(corpus()[std::size_t(state.range(0))]));
    for (auto _ : state) {
        PageEdits grey;
        grey.colourMode = PageEdits::ColourMode::Grey;
        const PageCleanup::Suggestion found =
            PageCleanup::suggest(scene.picture, grey, PageCleanup::Turning::ByText);
        benchmark::DoNotOptimize(PageCleanup::render(scene.picture, found.edits));
    }
}
BENCHMARK(BM_CleanPage)->Arg(0)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: squaring the page to its true corners, nothing found or measured.
void BM_SquareToKnownCorners(benchmark::State &state)
{
    const TypesetSheet scene = typesetSheet(laid(corpus()[std::size_t(state.range(0))]));
    for (auto _ : state)
        benchmark::DoNotOptimize(Perspective::straighten(scene.picture, scene.corners));
}
BENCHMARK(BM_SquareToKnownCorners)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// One pass over the corpus; its figures are the counters. Argument 1: the held-out cases only.
void BM_CorpusQuality(benchmark::State &state)
{
    auto recognizer = TesseractRecognizer::create(QStringLiteral("eng"));
    if (!recognizer) {
        state.SkipWithError("the English language pack (tesseract-ocr-eng) is not installed");
        return;
    }
    const bool heldOut = state.range(0) != 0;
    for (auto _ : state) {
        int sheets = 0;
        int found = 0;
        double overlap = 0;
        double meanSkew = 0;
        double worstSkew = 0;
        double squareError = 0;
        double rawError = 0;
        double cleanError = 0;
        double greyError = 0;
        double bilevelError = 0;
        int smallPrint = 0;
        int uprights = 0;
        std::vector<double> milliseconds;
        for (const Case &c : corpus()) {
            if (c.heldOut != heldOut)
                continue;
            ++sheets;
            const TypesetSheet scene = typesetSheet(laid(c));
            // The clean-up of Add page, timed page by page: find, square, skew, upright, Grey.
            const auto start = std::chrono::steady_clock::now();
            const PageCleanup::Suggestion suggestion =
                PageCleanup::suggest(scene.picture, {}, PageCleanup::Turning::ByText);
            PageEdits grey = suggestion.edits;
            grey.colourMode = PageEdits::ColourMode::Grey;
            benchmark::DoNotOptimize(PageCleanup::render(scene.picture, grey));
            milliseconds.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
            const QString truth = scene.text;
            const TypesetSheet reference = typesetSheet(laid(c, true));
            PageEdits referenceEdits;
            referenceEdits.corners = reference.corners;
            squareError +=
                characterErrorRate(truth, textOf(*recognizer, reference.picture, referenceEdits));
            // Before: the picture as it was, read as the export reads it.
            rawError += characterErrorRate(truth, wordsRead(*recognizer, scene.picture));
            if (!suggestion.sheetFound)
                continue;
            ++found;
            overlap += overlapOf(*suggestion.edits.corners, scene.corners);
            uprights += upright(scene, suggestion.edits) ? 1 : 0;
            const double skew = std::abs(residualSkew(scene, suggestion.edits));
            meanSkew += skew;
            worstSkew = std::max(worstSkew, skew);
            cleanError +=
                characterErrorRate(truth, textOf(*recognizer, scene.picture, suggestion.edits));
            // 8 pt: Grey as the text layer reads it, black and white as its page itself reads.
            if (c.setup.points <= 8) {
                ++smallPrint;
                PageEdits mode = suggestion.edits;
                mode.colourMode = PageEdits::ColourMode::Grey;
                greyError += characterErrorRate(truth, textOf(*recognizer, scene.picture, mode));
                mode.colourMode = PageEdits::ColourMode::BlackAndWhite;
                bilevelError += characterErrorRate(
                    truth, wordsRead(*recognizer, PageCleanup::render(scene.picture, mode)));
            }
        }
        const double any = std::max(1, found);
        state.counters["sheets"] = sheets;
        state.counters["found%"] = 100.0 * found / sheets;
        state.counters["IoU"] = overlap / any;
        state.counters["upright%"] = 100.0 * uprights / any;
        state.counters["skew_mean"] = meanSkew / any;
        state.counters["skew_max"] = worstSkew;
        state.counters["cer_square%"] = squareError / sheets;
        state.counters["cer_raw%"] = rawError / sheets;
        state.counters["cer_clean%"] = cleanError / any;
        state.counters["cer8_grey%"] = greyError / std::max(1, smallPrint);
        state.counters["cer8_bw%"] = bilevelError / std::max(1, smallPrint);
        std::sort(milliseconds.begin(), milliseconds.end());
        state.counters["ms_median"] = milliseconds[milliseconds.size() / 2];
        state.counters["ms_worst"] = milliseconds.back();
    }
}
BENCHMARK(BM_CorpusQuality)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
} // namespace
