// SPDX-License-Identifier: MIT
// 8-point print in Grey and in Black and white: the recognition error of each mode on the same
// camera pages, squared to their true corners, and what the black-and-white page costs: its
// rendering's time beside the Grey one's, its pixels and its size in the PDF beside Grey's.
// Argument 1: the held-out pages (texts and fonts the tuning part does not have).
#include "bench/RecognitionCorpus.h"
#include "bench/WordsRead.h"
#include "document/PageCleanup.h"
#include "document/PageImage.h"
#include "document/TesseractRecognizer.h"
#include "tests/support/CharacterErrorRate.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <memory>

namespace {
using RecognitionCorpus::Part;

// The pages as a user lays them: square, on a dark desk, under a lamp that falls off steeply,
// keystoned and skewed; every page in 8 points.
std::vector<RecognitionCorpus::Page> smallPrint(Part part)
{
    constexpr int PerKind = 4;
    std::vector<RecognitionCorpus::Page> all;
    for (const char *kind : {"clean", "desk", "lamp", "keystone", "skew-3"}) {
        for (RecognitionCorpus::Page page : RecognitionCorpus::pages(kind, part, PerKind)) {
            page.setup.points = 8;
            all.push_back(page);
        }
    }
    return all;
}

struct Rendered
{
    QImage page;
    double milliseconds = 0;
};

Rendered rendered(const TypesetSheet &scene, PageEdits::ColourMode mode)
{
    PageEdits edits;
    edits.corners = scene.corners;
    edits.colourMode = mode;
    const auto start = std::chrono::steady_clock::now();
    QImage page = PageCleanup::render(scene.picture, edits);
    return {std::move(page),
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count()};
}

void BM_SmallPrintModes(benchmark::State &state)
{
    std::map<QString, std::unique_ptr<TesseractRecognizer>> recognizers;
    for (const QString &language : {QStringLiteral("eng"), QStringLiteral("deu")}) {
        recognizers[language] = TesseractRecognizer::create(language);
        if (!recognizers[language]) {
            state.SkipWithError("a language pack (tesseract-ocr-eng, -deu) is not installed");
            return;
        }
    }
    const std::vector<RecognitionCorpus::Page> pages =
        smallPrint(state.range(0) != 0 ? Part::HeldOut : Part::Tuning);
    for (auto _ : state) {
        double greyError = 0;
        double bilevelError = 0;
        double worse = 0;
        double greyMs = 0;
        double bilevelMs = 0;
        double greyBytes = 0;
        double bilevelBytes = 0;
        double bilevelPixels = 0;
        for (const RecognitionCorpus::Page &page : pages) {
            const TypesetSheet scene = typesetSheet(page.setup);
            TextRecognizer &recognizer = *recognizers[page.language];
            const Rendered grey = rendered(scene, PageEdits::ColourMode::Grey);
            const Rendered bilevel = rendered(scene, PageEdits::ColourMode::BlackAndWhite);
            const double greyPage =
                characterErrorRate(scene.text, wordsRead(recognizer, grey.page));
            const double bilevelPage =
                characterErrorRate(scene.text, wordsRead(recognizer, bilevel.page));
            greyError += greyPage;
            bilevelError += bilevelPage;
            worse += bilevelPage > greyPage + 1 ? 1 : 0;
            greyMs += grey.milliseconds;
            bilevelMs += bilevel.milliseconds;
            greyBytes +=
                double(PageImage::encode(grey.page, PageEdits::ColourMode::Grey).data.size());
            bilevelBytes += double(
                PageImage::encode(bilevel.page, PageEdits::ColourMode::BlackAndWhite).data.size());
            bilevelPixels += double(bilevel.page.width()) * bilevel.page.height();
        }
        const double count = double(pages.size());
        state.counters["pages"] = count;
        state.counters["cer_grey%"] = greyError / count;
        state.counters["cer_bw%"] = bilevelError / count;
        // Pages whose black and white reads more than a point worse than their grey.
        state.counters["bw_worse"] = worse;
        state.counters["ms_grey"] = greyMs / count;
        state.counters["ms_bw"] = bilevelMs / count;
        state.counters["kB_grey"] = greyBytes / count / 1000;
        state.counters["kB_bw"] = bilevelBytes / count / 1000;
        state.counters["Mpx_bw"] = bilevelPixels / count / 1e6;
    }
}
BENCHMARK(BM_SmallPrintModes)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
} // namespace
