// SPDX-License-Identifier: MIT
#include "document/TesseractRecognizer.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

namespace {
Q_LOGGING_CATEGORY(lcRecognition, "quillon.document.recognition")

// Pictures are read at half their size: the camera's 1272 x 1024 pixels over a sheet put the
// lines of print at heights Tesseract reads well after halving, its blocky edges are smoothed,
// and reading takes about half the time. Tried on the simulated camera's print: at full size
// its large letters were misread.
constexpr int ReadingReduction = 2;
// The pictures carry no resolution; telling Tesseract one keeps it from guessing (and from
// saying so on standard error). This one read the halved pictures best.
constexpr int AssumedPixelsPerInch = 150;

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
        qCInfo(lcRecognition) << "no Tesseract language pack" << language;
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
    const QImage rgb = picture
                           .scaled(picture.size() / ReadingReduction, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_RGB888);
    m_api->SetImage(rgb.constBits(), rgb.width(), rgb.height(), 3, int(rgb.bytesPerLine()));
    m_api->SetSourceResolution(AssumedPixelsPerInch);

    tesseract::ETEXT_DESC monitor;
    monitor.cancel_this = const_cast<CancelCheck *>(&cancelled);
    monitor.cancel = [](void *check, int) {
        return (*static_cast<CancelCheck *>(check))();
    };
    std::vector<RecognizedWord> words;
    if (m_api->Recognize(&monitor) != 0 || cancelled()) {
        m_api->Clear();
        return words;
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
        int lineLeft = 0, lineTop = top, lineRight = 0, lineBottom = bottom;
        it->BoundingBox(tesseract::RIL_TEXTLINE, &lineLeft, &lineTop, &lineRight, &lineBottom);
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        const int baseline = it->Baseline(tesseract::RIL_TEXTLINE, &x1, &y1, &x2, &y2)
                                 ? std::max(y1, y2)
                                 : lineBottom;
        constexpr int r = ReadingReduction;
        words.push_back(
            {text, QRect(left * r, lineTop * r, (right - left) * r, (lineBottom - lineTop) * r),
             baseline * r});
    }
    m_api->Clear();
    return words;
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
