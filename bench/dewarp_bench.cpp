// SPDX-License-Identifier: MIT
// A book page's curl flattened, on simulated spreads whose lines bow towards the fold by several
// amounts: how often a model is built, how far the lines of the pages squared at their true
// corners bow and their recognition error, before and after flattening, and the time flattening
// a page takes beside squaring it.
// Wall time: the user waits for the page.
#include "bench/WordsRead.h"
#include "cleanup/Dewarp.h"
#include "cleanup/PageTone.h"
#include "cleanup/Perspective.h"
#include "document/TesseractRecognizer.h"
#include "sim/TypesetSheet.h"
#include "tests/support/CharacterErrorRate.h"
#include "tests/support/LineBow.h"

#include <array>
#include <benchmark/benchmark.h>
#include <vector>

namespace {
// Both pages full of print, in two fonts and sizes, bowed from not at all to strongly.
std::vector<SheetSetup> corpus()
{
    std::vector<SheetSetup> cases;
    for (const double bend : {0.0, 2.0, 4.0, 6.0}) {
        for (const bool serif : {true, false}) {
            SheetSetup setup;
            setup.pages = 2;
            setup.text = sheetProse().repeated(2);
            setup.font = QString::fromLatin1(serif ? "DejaVu Serif" : "Liberation Sans");
            setup.points = serif ? 10 : 9;
            setup.bend = bend;
            setup.desk = 50;
            setup.fill = 96;
            setup.seed = unsigned(cases.size() + 1);
            cases.push_back(setup);
        }
    }
    return cases;
}

void BM_Flatten(benchmark::State &state)
{
    const TypesetSheet book = typesetSheet(corpus()[std::size_t(state.range(0))]);
    const QImage page = Perspective::straighten(book.picture, book.pages[0]);
    for (auto _ : state)
        benchmark::DoNotOptimize(Dewarp::flatten(page));
}
BENCHMARK(BM_Flatten)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: squaring the page to its true corners.
void BM_SquarePage(benchmark::State &state)
{
    const TypesetSheet book = typesetSheet(corpus()[std::size_t(state.range(0))]);
    for (auto _ : state)
        benchmark::DoNotOptimize(Perspective::straighten(book.picture, book.pages[0]));
}
BENCHMARK(BM_SquarePage)->Arg(6)->Unit(benchmark::kMillisecond)->UseRealTime();

// The pages of the spreads of one bend (the argument, in percent), squared at their true corners
// and flattened where a model is built; each argument's figures are the counters of one pass.
template<typename Measure>
void overPages(benchmark::State &state, Measure measure)
{
    for (auto _ : state) {
        int pages = 0;
        int models = 0;
        for (const SheetSetup &setup : corpus()) {
            if (setup.bend != double(state.range(0)))
                continue;
            const TypesetSheet book = typesetSheet(setup);
            std::array<QImage, 2> squared;
            std::array<QImage, 2> flattened;
            for (std::size_t side = 0; side < 2; ++side) {
                squared[side] = Perspective::straighten(book.picture, book.pages[side]);
                const std::optional<QImage> flat = Dewarp::flatten(squared[side]);
                models += flat ? 1 : 0;
                flattened[side] = flat.value_or(squared[side]);
                ++pages;
            }
            measure(book, squared, flattened);
        }
        state.counters["pages"] = pages;
        state.counters["models"] = models;
    }
}

void BM_Straightness(benchmark::State &state)
{
    double before = 0;
    double after = 0;
    int pages = 0;
    overPages(state, [&](const TypesetSheet &, const std::array<QImage, 2> &squared,
                         const std::array<QImage, 2> &flattened) {
        for (std::size_t side = 0; side < 2; ++side) {
            before += bowOf(squared[side], side == 0);
            after += bowOf(flattened[side], side == 0);
            ++pages;
        }
    });
    state.counters["bow_squared_px"] = before / pages;
    state.counters["bow_flattened_px"] = after / pages;
}
BENCHMARK(BM_Straightness)
    ->DenseRange(0, 6, 2)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

void BM_Recognition(benchmark::State &state)
{
    auto recognizer = TesseractRecognizer::create(QStringLiteral("eng"));
    if (!recognizer) {
        state.SkipWithError("the English language pack (tesseract-ocr-eng) is not installed");
        return;
    }
    double before = 0;
    double after = 0;
    int spreads = 0;
    overPages(state, [&](const TypesetSheet &book, const std::array<QImage, 2> &squared,
                         const std::array<QImage, 2> &flattened) {
        auto readBoth = [&](const std::array<QImage, 2> &pages) {
            return wordsRead(*recognizer, PageTone::grey(pages[0])) + u' ' +
                   wordsRead(*recognizer, PageTone::grey(pages[1]));
        };
        before += characterErrorRate(book.text, readBoth(squared));
        after += characterErrorRate(book.text, readBoth(flattened));
        ++spreads;
    });
    state.counters["cer_squared%"] = before / spreads;
    state.counters["cer_flattened%"] = after / spreads;
}
BENCHMARK(BM_Recognition)
    ->DenseRange(0, 6, 2)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
} // namespace
