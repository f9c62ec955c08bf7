// SPDX-License-Identifier: MIT
#include "document/TesseractReader.h"

#include <cstring>
#include <dlfcn.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/osdetect.h>
#include <tesseract/resultiterator.h>

namespace {
// A word read with this confidence (Tesseract's 0 to 100) counts as read.
constexpr double ConfidentWord = 60.0;
// A part is read with this much blank paper around it: Tesseract finds lines that touch the
// picture's edge poorly.
constexpr int PartMargin = 16;

// Tesseract shares its work among OpenMP threads that wait for one another by spinning; where
// other programs keep the cores busy that costs several times what it gains (a page took three
// times as long). OpenMP reads its thread limit from the environment only when it is loaded, so
// its own switch is used instead: no level of parallel regions may be active, and every region
// runs on the thread that meets it. The switch holds for the thread that sets it, so every
// thread sets it before it reads. Looked up at run time: it belongs to whichever OpenMP
// Tesseract was built with, if any. Pages are shared among threads of our own instead.
void keepTesseractOnThisThread()
{
    using SetLevels = void (*)(int);
    static const auto set =
        reinterpret_cast<SetLevels>(dlsym(RTLD_DEFAULT, "omp_set_max_active_levels"));
    if (set)
        set(0);
}

struct WordPlace
{
    QPointF baselineStart;
    double length;
    double lineHeight;
};

// Where a word lies, for the way its glyphs' tops point: upright words sit on their line's
// baseline with their line's height; words Tesseract found running down or up the picture (a
// block set sideways) or upside down are placed by their own box.
WordPlace placeWord(tesseract::Orientation up, const QRect &word, const QRect &line,
                    double baseline)
{
    switch (up) {
    case tesseract::ORIENTATION_PAGE_RIGHT:
        return {QPointF(word.left(), word.top()), double(word.height()), double(word.width())};
    case tesseract::ORIENTATION_PAGE_DOWN:
        return {QPointF(word.right(), word.top()), double(word.width()), double(word.height())};
    case tesseract::ORIENTATION_PAGE_LEFT:
        return {QPointF(word.right(), word.bottom()), double(word.height()), double(word.width())};
    case tesseract::ORIENTATION_PAGE_UP:
        break;
    }
    return {QPointF(word.left(), baseline), double(word.width()), double(line.height())};
}

// The height of a line's baseline at x: lines are level, within a trace of skew.
double baselineAt(tesseract::ResultIterator &it, int x, int lineBottom)
{
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!it.Baseline(tesseract::RIL_TEXTLINE, &x1, &y1, &x2, &y2))
        return lineBottom;
    if (x2 == x1)
        return std::max(y1, y2);
    return y1 + double(y2 - y1) * (x - x1) / (x2 - x1);
}

QString takeText(char *text)
{
    const QString result = QString::fromUtf8(text).trimmed();
    delete[] text;
    return result;
}

// The part on blank paper.
QImage withMargin(const QImage &grey, const QRect &part)
{
    const QRect inside = part & grey.rect();
    QImage padded(inside.size() + QSize(2 * PartMargin, 2 * PartMargin), QImage::Format_Grayscale8);
    padded.fill(255);
    for (int y = 0; y < inside.height(); ++y)
        std::memcpy(padded.scanLine(y + PartMargin) + PartMargin,
                    grey.constScanLine(inside.top() + y) + inside.left(),
                    std::size_t(inside.width()));
    return padded;
}
} // namespace

std::unique_ptr<TesseractReader> TesseractReader::create(const char *language)
{
    auto api = std::make_unique<tesseract::TessBaseAPI>();
    // Tesseract's own progress and warnings would reach standard error, headless runs included.
    api->SetVariable("debug_file", "/dev/null");
    // Orientation detection has a pack of its own, for Tesseract's older classifier.
    const bool orientation = qstrcmp(language, "osd") == 0;
    if (api->Init(nullptr, language,
                  orientation ? tesseract::OEM_TESSERACT_ONLY : tesseract::OEM_LSTM_ONLY) != 0)
        return nullptr;
    // The library reads one block of text unless told to find the page's layout first.
    api->SetPageSegMode(orientation ? tesseract::PSM_OSD_ONLY : tesseract::PSM_AUTO);
    return std::unique_ptr<TesseractReader>(new TesseractReader(std::move(api)));
}

TesseractReader::TesseractReader(std::unique_ptr<tesseract::TessBaseAPI> api)
    : m_api(std::move(api))
{}

TesseractReader::~TesseractReader()
{
    m_api->End();
}

void TesseractReader::setImage(const QImage &grey, int resolution)
{
    keepTesseractOnThisThread();
    m_api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, int(grey.bytesPerLine()));
    m_api->SetSourceResolution(resolution);
}

std::vector<QRect> TesseractReader::textBlocks(const QImage &grey, int resolution)
{
    setImage(grey, resolution);
    std::vector<QRect> blocks;
    std::unique_ptr<tesseract::PageIterator> it(m_api->AnalyseLayout());
    for (bool more = it != nullptr; more; more = it->Next(tesseract::RIL_BLOCK)) {
        int left = 0, top = 0, right = 0, bottom = 0;
        if (tesseract::PTIsTextType(it->BlockType()) &&
            it->BoundingBox(tesseract::RIL_BLOCK, &left, &top, &right, &bottom))
            blocks.emplace_back(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
    m_api->Clear();
    return blocks;
}

TesseractReader::Reading TesseractReader::read(const QImage &grey, int resolution,
                                               const TextRecognizer::CancelCheck &cancelled,
                                               const QRect &part)
{
    // A part is read as a picture of its own: Tesseract's own rectangle read other rows.
    const QImage image = part.isEmpty() ? grey : withMargin(grey, part);
    const QPointF offset =
        part.isEmpty() ? QPointF()
                       : QPointF((part & grey.rect()).topLeft() - QPoint(PartMargin, PartMargin));
    setImage(image, resolution);
    tesseract::ETEXT_DESC monitor;
    monitor.cancel_this = const_cast<TextRecognizer::CancelCheck *>(&cancelled);
    monitor.cancel = [](void *check, int) {
        return (*static_cast<TextRecognizer::CancelCheck *>(check))();
    };
    Reading reading;
    if (m_api->Recognize(&monitor) != 0 || cancelled()) {
        m_api->Clear();
        return reading;
    }

    std::unique_ptr<tesseract::ResultIterator> it(m_api->GetIterator());
    constexpr auto Word = tesseract::RIL_WORD;
    for (bool more = it != nullptr; more; more = it->Next(Word)) {
        const QString text = takeText(it->GetUTF8Text(Word));
        int left = 0, top = 0, right = 0, bottom = 0;
        if (text.isEmpty() || !it->BoundingBox(Word, &left, &top, &right, &bottom))
            continue;
        // Every word of a line gets the line's height and baseline, so that a reader of the PDF
        // sees one line of one size, even where a word's own box took in a speck above it.
        int lineLeft = left, lineTop = top, lineRight = right, lineBottom = bottom;
        it->BoundingBox(tesseract::RIL_TEXTLINE, &lineLeft, &lineTop, &lineRight, &lineBottom);
        auto up = tesseract::ORIENTATION_PAGE_UP;
        auto direction = tesseract::WRITING_DIRECTION_LEFT_TO_RIGHT;
        auto order = tesseract::TEXTLINE_ORDER_TOP_TO_BOTTOM;
        float deskew = 0;
        it->Orientation(&up, &direction, &order, &deskew);
        const WordPlace place =
            placeWord(up, QRect(QPoint(left, top), QPoint(right, bottom)),
                      QRect(QPoint(lineLeft, lineTop), QPoint(lineRight, lineBottom)),
                      baselineAt(*it, left, lineBottom));
        reading.words.push_back(
            {text, place.baselineStart + offset, place.length, place.lineHeight, 90.0 * int(up)});
        reading.boxes.push_back(
            QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).translated(offset.toPoint()));
        if (it->Confidence(Word) >= ConfidentWord)
            reading.confidentLetters += text.size();
    }
    m_api->Clear();
    return reading;
}

TesseractReader::Reading
TesseractReader::readAsOneBlock(const QImage &grey, int resolution,
                                const TextRecognizer::CancelCheck &cancelled, const QRect &part)
{
    m_api->SetPageSegMode(tesseract::PSM_SINGLE_BLOCK);
    Reading reading = read(grey, resolution, cancelled, part);
    m_api->SetPageSegMode(tesseract::PSM_AUTO);
    return reading;
}

bool TesseractReader::detectOrientation(const QImage &grey, int resolution, double *upright,
                                        double *upsideDown)
{
    setImage(grey, resolution);
    tesseract::OSResults results;
    const bool detected = m_api->DetectOS(&results);
    m_api->Clear();
    // Scores are kept by the clockwise turn that makes the page upright: 0, 270, 180, 90.
    *upright = results.orientations[0];
    *upsideDown = results.orientations[2];
    return detected;
}
