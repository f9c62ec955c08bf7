// SPDX-License-Identifier: MIT
#include "document/TesseractRecognizer.h"

#include "document/DocumentLogging.h"

#include <QCoreApplication>
#include <QTransform>

#include <dlfcn.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

namespace {
// Pictures are read at half their size: the camera's 1272 x 1024 pixels over a sheet put the
// lines of print at heights Tesseract reads well after halving, its blocky edges are smoothed,
// and reading takes about half the time. Tried on the simulated camera's print: at full size
// its large letters were misread.
constexpr int ReadingReduction = 2;
// The pictures carry no resolution; telling Tesseract one keeps it from guessing (and from
// saying so on standard error). This one read the halved pictures best.
constexpr int AssumedPixelsPerInch = 150;
// A word read with this confidence (Tesseract's 0 to 100) counts as read. A page with enough
// such letters, and a third of its letters among them, is taken to be upright. Measured on the
// simulated camera's picture: upright, 57 of 120 letters; turned by a quarter or half turn and
// read as it stands, 3 to 16 letters.
constexpr double ConfidentWord = 60.0;
constexpr qsizetype UprightLetters = 40;

struct WordPlace
{
    QPointF baselineStart;
    double length;
    double lineHeight;
};

// Where a word lies, in the pixels Tesseract was given, for the way its glyphs' tops point:
// upright words sit on their line's baseline with their line's height; words Tesseract found
// running down or up the page (or upside down) are placed by their own box.
WordPlace placeWord(tesseract::Orientation up, const QRect &word, const QRect &line, int baseline)
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

// Tesseract runs parts of a reading on OpenMP threads of its own. Pages are read one per core
// already, and on top of that those threads make a page about four times slower (the threads
// wait on each other more than they help), so they are kept from starting: with no active
// parallel level every parallel region runs on the thread that reaches it. OpenMP reads its
// environment (OMP_THREAD_LIMIT) when it is loaded, before main(), so the setting is made through
// its own function; it is looked up, since only Tesseract links the OpenMP library, and a
// Tesseract built without OpenMP has none to keep. The setting holds for the calling thread
// only (a thread that OpenMP did not start begins with the defaults), so each reading makes it.
void keepOpenMpToThisThread()
{
    using SetMaxActiveLevels = void (*)(int);
    static const auto set =
        reinterpret_cast<SetMaxActiveLevels>(::dlsym(RTLD_DEFAULT, "omp_set_max_active_levels"));
    if (set)
        set(0);
}

QString takeText(char *text)
{
    const QString result = QString::fromUtf8(text).trimmed();
    delete[] text;
    return result;
}
} // namespace

TesseractRecognizer::TesseractRecognizer(std::unique_ptr<tesseract::TessBaseAPI> api)
    : m_api(std::move(api))
{}

TesseractRecognizer::~TesseractRecognizer()
{
    if (m_api)
        m_api->End();
}

std::unique_ptr<TesseractRecognizer> TesseractRecognizer::create(const QString &language)
{
    auto api = std::make_unique<tesseract::TessBaseAPI>();
    // Tesseract's own progress and warnings would reach standard error, headless runs included.
    api->SetVariable("debug_file", "/dev/null");
    if (api->Init(nullptr, language.toLatin1().constData(), tesseract::OEM_LSTM_ONLY) != 0) {
        qCWarning(lcDocument) << "no Tesseract language pack" << language;
        return nullptr;
    }
    // The library reads one block of text unless told to find the page's layout first.
    api->SetPageSegMode(tesseract::PSM_AUTO);
    return std::unique_ptr<TesseractRecognizer>(new TesseractRecognizer(std::move(api)));
}

std::unique_ptr<TesseractRecognizer> TesseractRecognizer::createFor(const QLocale &locale)
{
    const QString own = RecognitionLanguage::forLocale(locale);
    if (auto recognizer = create(own))
        return recognizer;
    return own == QLatin1String("eng") ? nullptr : create(QStringLiteral("eng"));
}

std::vector<RecognizedWord> TesseractRecognizer::recognize(const QImage &picture,
                                                           const CancelCheck &cancelled)
{
    keepOpenMpToThisThread();
    // Most pages stand upright, and they are read once. A page read with little confidence may
    // be turned on its side or upside down: the other three orientations are tried too and the
    // one with the most letters read confidently wins.
    Reading best = read(picture, 0, cancelled);
    for (int turns = 1; turns < 4 && !best.upright; ++turns) {
        Reading turned = read(picture, turns, cancelled);
        if (turned.confidentLetters > best.confidentLetters)
            best = std::move(turned);
    }
    if (cancelled())
        return {};
    return std::move(best.words);
}

TesseractRecognizer::Reading TesseractRecognizer::read(const QImage &picture, int turns,
                                                       const CancelCheck &cancelled)
{
    // Turning by quarter turns moves pixels exactly; toPicture maps a point back.
    const QTransform turn =
        QImage::trueMatrix(QTransform().rotate(90.0 * turns), picture.width(), picture.height());
    const QTransform toPicture = turn.inverted();
    const QImage turned = turns == 0 ? picture : picture.transformed(turn);
    const QImage rgb = turned
                           .scaled(turned.size() / ReadingReduction, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_RGB888);
    m_api->SetImage(rgb.constBits(), rgb.width(), rgb.height(), 3, int(rgb.bytesPerLine()));
    m_api->SetSourceResolution(AssumedPixelsPerInch);

    tesseract::ETEXT_DESC monitor;
    monitor.cancel_this = const_cast<CancelCheck *>(&cancelled);
    monitor.cancel = [](void *check, int) {
        return (*static_cast<CancelCheck *>(check))();
    };
    Reading reading;
    if (m_api->Recognize(&monitor) != 0 || cancelled()) {
        m_api->Clear();
        return reading;
    }

    std::unique_ptr<tesseract::ResultIterator> it(m_api->GetIterator());
    constexpr auto Word = tesseract::RIL_WORD;
    qsizetype letters = 0;
    for (bool more = it != nullptr; more; more = it->Next(Word)) {
        const QString text = takeText(it->GetUTF8Text(Word));
        int left = 0, top = 0, right = 0, bottom = 0;
        if (text.isEmpty() || !it->BoundingBox(Word, &left, &top, &right, &bottom))
            continue;
        // Every word of a line gets the line's height and baseline, so that a reader of the PDF
        // sees one line of one size, even where a word's own box took in a speck above it.
        int lineLeft = left, lineTop = top, lineRight = right, lineBottom = bottom;
        it->BoundingBox(tesseract::RIL_TEXTLINE, &lineLeft, &lineTop, &lineRight, &lineBottom);
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        const int baseline = it->Baseline(tesseract::RIL_TEXTLINE, &x1, &y1, &x2, &y2)
                                 ? std::max(y1, y2)
                                 : lineBottom;
        auto up = tesseract::ORIENTATION_PAGE_UP;
        auto direction = tesseract::WRITING_DIRECTION_LEFT_TO_RIGHT;
        auto order = tesseract::TEXTLINE_ORDER_TOP_TO_BOTTOM;
        float deskew = 0;
        it->Orientation(&up, &direction, &order, &deskew);
        constexpr int r = ReadingReduction;
        const WordPlace place =
            placeWord(up, QRect(QPoint(left, top), QPoint(right, bottom)),
                      QRect(QPoint(lineLeft, lineTop), QPoint(lineRight, lineBottom)), baseline);
        reading.words.push_back({text, toPicture.map(place.baselineStart * r), place.length * r,
                                 place.lineHeight * r, (int(up) + 4 - turns) % 4});
        letters += text.size();
        if (it->Confidence(Word) >= ConfidentWord)
            reading.confidentLetters += text.size();
    }
    m_api->Clear();
    reading.upright =
        reading.confidentLetters >= UprightLetters && reading.confidentLetters * 3 >= letters;
    return reading;
}

namespace RecognitionLanguage {
QString forLocale(const QLocale &locale)
{
    const QString code = QLocale::languageToCode(locale.language(), QLocale::ISO639Part2T);
    return code.isEmpty() || locale.language() == QLocale::C ? QStringLiteral("eng") : code;
}

QString missingPackHint(const QLocale &locale)
{
    return QCoreApplication::translate("RecognitionLanguage",
                                       "The PDF has no text layer: install tesseract-ocr-%1 to "
                                       "make it searchable.")
        .arg(forLocale(locale));
}
} // namespace RecognitionLanguage
