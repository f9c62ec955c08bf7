// SPDX-License-Identifier: MIT
// Reading the text of one camera page (the simulated camera's picture) for the PDF's text layer,
// beside the floor of writing that page into a PDF without text. Wall time: the user waits.
#include "document/PdfWriter.h"
#include "document/TesseractRecognizer.h"
#include "tests/support/SimulatorPicture.h"

#include <benchmark/benchmark.h>

namespace {
// Argument: the camera's rotation in quarter turns. An upright page is read once; a turned one
// is read in up to four orientations.
void BM_RecognizeCameraPage(benchmark::State &state)
{
    const QImage page = simulatorPicture({.rotation = int(state.range(0))});
    auto recognizer = TesseractRecognizer::create(QStringLiteral("eng"));
    if (!recognizer) {
        state.SkipWithError("the English language pack (tesseract-ocr-eng) is not installed");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(recognizer->recognize(page, [] { return false; }));
}
BENCHMARK(BM_RecognizeCameraPage)
    ->Arg(0)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

void BM_WritePageWithoutText(benchmark::State &state)
{
    const QImage page = simulatorPicture();
    for (auto _ : state) {
        QByteArray file;
        PdfWriter writer([&file](QByteArrayView bytes) {
            file += bytes;
            return true;
        });
        writer.begin();
        writer.addPage(PdfWriter::preparePage(page, {}, PdfWriter::paperSize(QLocale::c())));
        writer.finish();
        benchmark::DoNotOptimize(file);
    }
}
BENCHMARK(BM_WritePageWithoutText)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
