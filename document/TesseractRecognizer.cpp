// SPDX-License-Identifier: MIT
#include "document/TesseractRecognizer.h"

#include "document/DocumentLogging.h"
#include "document/ReadingPicture.h"
#include "document/ReadingScale.h"
#include "document/TextBlocks.h"
#include "document/UnreadPrint.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <future>
#include <optional>

namespace {
using Reading = TesseractReader::Reading;

void append(Reading &to, Reading &&from)
{
    to.words.insert(to.words.end(), std::make_move_iterator(from.words.begin()),
                    std::make_move_iterator(from.words.end()));
    to.boxes.insert(to.boxes.end(), from.boxes.begin(), from.boxes.end());
    to.confidentLetters += from.confidentLetters;
}

// Where the words of an area read on its own go in the page's reading order: after the last word
// above it in its column, else before the first below it there, else last.
std::size_t placeInOrder(const std::vector<QRect> &boxes, const QRect &area)
{
    const auto sharesColumn = [&area](const QRect &box) {
        return box.left() <= area.right() && box.right() >= area.left();
    };
    for (std::size_t i = boxes.size(); i-- > 0;) {
        if (sharesColumn(boxes[i]) && boxes[i].center().y() < area.top())
            return i + 1;
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (sharesColumn(boxes[i]) && boxes[i].center().y() > area.bottom())
            return i;
    }
    return boxes.size();
}

// An area read again counts when most of its letters were read confidently: a blot, a drawing or
// the grain of the paper reads as a few unsure letters.
qsizetype lettersOf(const Reading &reading)
{
    qsizetype letters = 0;
    for (const RecognizedWord &word : reading.words)
        letters += word.text.size();
    return letters;
}

bool readConfidently(const Reading &reading)
{
    return lettersOf(reading) > 0 && 2 * reading.confidentLetters >= lettersOf(reading);
}

// The first on a thread of its own while the second runs on this one, where each has a reader
// of its own; else one after the other.
void runBoth(bool inParallel, const std::function<void()> &first,
             const std::function<void()> &second)
{
    if (!inParallel) {
        first();
        second();
        return;
    }
    std::future<void> other = std::async(std::launch::async, first);
    second();
    other.get();
}

// A block's share of the page's print that is read as one piece at most: with the pieces taken
// by whichever reader is free, neither waits for the other long, even on a page the layout finds
// one block of text on.
constexpr double LargestPieceShare = 0.25;
} // namespace

TesseractRecognizer::TesseractRecognizer(std::vector<std::unique_ptr<TesseractReader>> readers,
                                         std::unique_ptr<TesseractReader> orientation)
    : m_readers(std::move(readers))
    , m_orientation(std::move(orientation))
{}

TesseractRecognizer::~TesseractRecognizer() = default;

std::unique_ptr<TesseractRecognizer> TesseractRecognizer::create(const QString &language,
                                                                 int threads)
{
    const QByteArray name = language.toLatin1();
    std::vector<std::unique_ptr<TesseractReader>> readers;
    for (int i = 0; i < std::clamp(threads, 1, 2); ++i) {
        if (auto reader = TesseractReader::create(name.constData()))
            readers.push_back(std::move(reader));
    }
    if (readers.empty()) {
        qCWarning(lcDocument) << "no Tesseract language pack" << language;
        return nullptr;
    }
    auto orientation = TesseractReader::create("osd");
    if (!orientation)
        qCWarning(lcDocument) << "no Tesseract orientation pack: pages are tried both ways up";
    return std::unique_ptr<TesseractRecognizer>(
        new TesseractRecognizer(std::move(readers), std::move(orientation)));
}

PageReading TesseractRecognizer::recognize(const QImage &picture, const CancelCheck &cancelled,
                                           double enlargement)
{
    const ReadingPicture page(picture, enlargement);
    PageReading result;
    result.xHeight = page.xHeight();
    if (cancelled())
        return result;
    qCDebug(lcDocument) << "print x-height" << page.xHeight() << "read at" << page.imageXHeight()
                        << "turned" << page.turn(false) << "upright by the ascenders"
                        << page.uprightConfidence(false) << "image" << page.image(false).size();
    // The ascenders first: they cost little and are rarely wrong; then Tesseract's detection;
    // reading both ways last.
    std::optional<bool> sure = PageOrientation::sureWay(page.uprightConfidence(false));
    if (!sure)
        sure = PageOrientation::sureWay(detectOrientation(page));
    const bool upsideDown = sure ? *sure : readsBetterUpsideDown(page, cancelled);
    Reading reading = read(page, upsideDown, cancelled);
    if (cancelled())
        return result;

    const double turn = page.turn(upsideDown);
    const double scale = page.pictureScale();
    for (RecognizedWord &word : reading.words) {
        word.baselineStart = page.toPicture(word.baselineStart, upsideDown);
        word.length *= scale;
        word.lineHeight *= scale;
        word.angle = std::fmod(word.angle - turn + 720, 360);
    }
    result.words = std::move(reading.words);
    // The text stands turned by the opposite of the turn that made it upright.
    result.quarterTurns = (4 - int(std::lround(turn / 90)) % 4) % 4;
    return result;
}

std::optional<PageOrientation::Detection>
TesseractRecognizer::detectOrientation(const ReadingPicture &page)
{
    PageOrientation::Detection detection;
    if (!m_orientation || !m_orientation->detectOrientation(
                              page.image(false), ReadingScale::resolutionFor(page.imageXHeight()),
                              &detection.upright, &detection.upsideDown))
        return std::nullopt;
    qCDebug(lcDocument) << "orientation scores" << detection.upright << "as it is,"
                        << detection.upsideDown << "upside down";
    return detection;
}

bool TesseractRecognizer::readsBetterUpsideDown(const ReadingPicture &page,
                                                const CancelCheck &cancelled)
{
    const int resolution = ReadingScale::resolutionFor(page.imageXHeight());
    const QImage asItIs = page.image(false);
    const QImage upsideDown = page.image(true);
    const auto readWay = [&](TesseractReader &reader, bool turned) {
        return reader.read(turned ? upsideDown : asItIs, resolution, cancelled,
                           page.sampleBand(turned));
    };
    TesseractReader &other = *m_readers.back();
    Reading turned;
    Reading unturned;
    runBoth(
        m_readers.size() > 1, [&] { turned = readWay(other, true); },
        [&] { unturned = readWay(*m_readers.front(), false); });
    qCDebug(lcDocument) << "letters read confidently in the sample band:"
                        << unturned.confidentLetters << "as it is," << turned.confidentLetters
                        << "upside down";
    return turned.confidentLetters > unturned.confidentLetters;
}

Reading TesseractRecognizer::read(const ReadingPicture &page, bool upsideDown,
                                  const CancelCheck &cancelled)
{
    const QImage image = page.image(upsideDown);
    const int resolution = ReadingScale::resolutionFor(page.imageXHeight());
    Reading reading = readLayout(image, resolution, page.imageXHeight(), cancelled);
    readLeftOut(reading, image, resolution, page.imageXHeight(), cancelled);
    return reading;
}

Reading TesseractRecognizer::readLayout(const QImage &image, int resolution, double xHeight,
                                        const CancelCheck &cancelled)
{
    TesseractReader &first = *m_readers.front();
    const std::vector<QRect> blocks =
        m_readers.size() > 1
            ? TextBlocks::inPieces(TextBlocks::apart(first.textBlocks(image, resolution), xHeight),
                                   image, LargestPieceShare)
            : std::vector<QRect>{};
    if (blocks.size() < 2)
        return first.read(image, resolution, cancelled);

    // The readers take the blocks one by one as each becomes free: a block's time goes with the
    // letters in it and with how clearly they read, not with its area. The words are put back
    // in the blocks' reading order. A block is read as the one block of lines the layout found:
    // laid out afresh on its own, a line was parted in two and its halves read out of order, and
    // small print on grainy paper was taken for no text at all.
    std::vector<Reading> readings(blocks.size());
    std::atomic<std::size_t> next = 0;
    const auto readBlocks = [&](TesseractReader &reader) {
        for (std::size_t i = next++; i < blocks.size() && !cancelled(); i = next++)
            readings[i] = reader.readAsOneBlock(image, resolution, cancelled, blocks[i]);
    };
    runBoth(
        true, [&] { readBlocks(*m_readers.back()); }, [&] { readBlocks(first); });
    Reading reading;
    for (Reading &block : readings)
        append(reading, std::move(block));
    return reading;
}

void TesseractRecognizer::readLeftOut(Reading &reading, const QImage &image, int resolution,
                                      double xHeight, const CancelCheck &cancelled)
{
    // Letters' dots and commas are too small to count: they lie a little outside an area.
    const int margin = int(std::ceil(xHeight / 2));
    for (QRect area : UnreadPrint::areas(image, xHeight, reading.boxes)) {
        if (cancelled())
            return;
        // An area that shares rows with words read (the rest of a line whose start was left
        // out) is read again with them, and its reading takes their place.
        std::vector<std::size_t> replaced;
        area.adjust(-margin, -margin, margin, margin);
        for (bool grown = true; grown;) {
            grown = false;
            for (std::size_t i = 0; i < reading.boxes.size(); ++i) {
                if (reading.boxes[i].intersects(area) && !area.contains(reading.boxes[i])) {
                    area |= reading.boxes[i];
                    grown = true;
                }
            }
        }
        qsizetype replacedLetters = 0;
        for (std::size_t i = 0; i < reading.boxes.size(); ++i) {
            if (area.contains(reading.boxes[i])) {
                replaced.push_back(i);
                replacedLetters += reading.words[i].text.size();
            }
        }
        Reading more = m_readers.front()->readAsOneBlock(image, resolution, cancelled, area);
        qCDebug(lcDocument) << "print left out in" << area << "read again:" << more.words.size()
                            << "words," << more.confidentLetters
                            << "letters confidently, in place of" << replaced.size() << "words";
        if (!readConfidently(more) || lettersOf(more) <= replacedLetters)
            continue;
        const std::size_t at =
            replaced.empty() ? placeInOrder(reading.boxes, area) : replaced.front();
        for (auto i = replaced.rbegin(); i != replaced.rend(); ++i) {
            reading.words.erase(reading.words.begin() + std::ptrdiff_t(*i));
            reading.boxes.erase(reading.boxes.begin() + std::ptrdiff_t(*i));
        }
        reading.words.insert(reading.words.begin() + std::ptrdiff_t(at), more.words.begin(),
                             more.words.end());
        reading.boxes.insert(reading.boxes.begin() + std::ptrdiff_t(at), more.boxes.begin(),
                             more.boxes.end());
        reading.confidentLetters += more.confidentLetters;
    }
}

namespace RecognitionLanguage {
QString forLocale(const QLocale &locale)
{
    const QString code = QLocale::languageToCode(locale.language(), QLocale::ISO639Part2T);
    return code.isEmpty() || locale.language() == QLocale::C ? QStringLiteral("eng") : code;
}
} // namespace RecognitionLanguage
