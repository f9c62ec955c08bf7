// SPDX-License-Identifier: MIT
#include "document/PdfExport.h"
#include "tests/document/PdfTools.h"
#include "tests/support/SimulatorPicture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {
using PdfTools::qpdfFindsNoFault;
using Mode = PageEdits::ColourMode;

// A sheet of prose as the camera sees it; with colour, a red stamp and a yellow highlighted line
// on it as well.
QImage cameraPage(bool withColour)
{
    QImage picture = sheetCapture({}).picture.convertToFormat(QImage::Format_RGB32);
    if (withColour) {
        QPainter painter(&picture);
        painter.fillRect(QRect(300, 300, 600, 14), QColor(250, 236, 90, 120));
        painter.setPen(QPen(QColor(200, 30, 30), 6));
        painter.drawEllipse(QRect(800, 700, 180, 120));
    }
    return picture;
}

bool writePdf(const QString &path, const std::vector<PageSource> &pages,
              const PdfDocumentInfo &info = {})
{
    return PdfExport::run(
               pages, path, PdfWriter::paperSize(QLocale::c()), info, nullptr, 2,
               [] { return false; }, [](int) {})
               .status == PdfExportResult::Written;
}

// The file's objects as qpdf reads them, stream data included.
class QpdfObjects
{
public:
    explicit QpdfObjects(const QString &pdf)
    {
        const QJsonDocument json = QJsonDocument::fromJson(
            PdfTools::run(QStringLiteral("qpdf"),
                          {QStringLiteral("--json"), QStringLiteral("--json-key=qpdf"),
                           QStringLiteral("--json-stream-data=inline"), pdf})
                .toUtf8());
        const QJsonArray parts = json.object().value(QLatin1String("qpdf")).toArray();
        m_header = parts.at(0).toObject();
        m_objects = parts.at(1).toObject();
    }
    QString version() const { return m_header.value(QLatin1String("pdfversion")).toString(); }
    // A dictionary or a stream's dictionary, by "N 0 R" or "trailer".
    QJsonObject dictionary(const QString &ref) const
    {
        const QJsonObject object = entry(ref);
        return object.contains(QLatin1String("stream"))
                   ? object.value(QLatin1String("stream"))
                         .toObject()
                         .value(QLatin1String("dict"))
                         .toObject()
                   : object.value(QLatin1String("value")).toObject();
    }
    QByteArray streamData(const QString &ref) const
    {
        return QByteArray::fromBase64(entry(ref)
                                          .value(QLatin1String("stream"))
                                          .toObject()
                                          .value(QLatin1String("data"))
                                          .toString()
                                          .toLatin1());
    }
    // The dictionaries of every object.
    std::vector<QJsonObject> all() const
    {
        std::vector<QJsonObject> dictionaries;
        for (auto it = m_objects.begin(); it != m_objects.end(); ++it)
            dictionaries.push_back(dictionary(it.key().mid(4)));
        return dictionaries;
    }

private:
    QJsonObject entry(const QString &ref) const
    {
        return m_objects.value(ref == QLatin1String("trailer") ? ref : QLatin1String("obj:") + ref)
            .toObject();
    }
    QJsonObject m_header;
    QJsonObject m_objects;
};

QString text(const QJsonObject &dictionary, const char *key)
{
    return dictionary.value(QLatin1String(key)).toString();
}

// What archives check of an archival PDF: its claim and metadata in XMP, the same title,
// creator and dates in the information dictionary, an sRGB output intent, an identifier, every
// font embedded, and neither encryption nor transparency.
TEST(PdfWriter, ArchivalRecordsAreThereAndAgree)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Minutes <1&2>.pdf"));
    const QDateTime created(QDate(2026, 3, 1), QTime(10, 0), QTimeZone(5 * 3600 + 1800));
    QImage page(60, 40, QImage::Format_RGB32);
    page.fill(Qt::white);
    ASSERT_TRUE(writePdf(path, {{page, {}}, {page, {}}},
                         {.creator = QStringLiteral("Quillon"), .created = created}));
    EXPECT_TRUE(qpdfFindsNoFault(path));

    const QpdfObjects pdf(path);
    EXPECT_EQ(pdf.version(), QLatin1String("1.7"));
    const QJsonObject trailer = pdf.dictionary(QStringLiteral("trailer"));
    EXPECT_FALSE(trailer.contains(QLatin1String("/Encrypt")));
    const QJsonArray id = trailer.value(QLatin1String("/ID")).toArray();
    ASSERT_EQ(id.size(), 2);
    EXPECT_EQ(id.at(0).toString().size(), 2 + 32);

    const QJsonObject info = pdf.dictionary(text(trailer, "/Info"));
    EXPECT_EQ(text(info, "/Title"), QStringLiteral("u:Minutes <1&2>"));
    EXPECT_EQ(text(info, "/Creator"), QStringLiteral("u:Quillon"));
    EXPECT_EQ(text(info, "/CreationDate"), QStringLiteral("u:D:20260301100000+05'30'"));

    const QJsonObject catalog = pdf.dictionary(text(trailer, "/Root"));
    const QString metadata = text(catalog, "/Metadata");
    EXPECT_EQ(text(pdf.dictionary(metadata), "/Subtype"), QLatin1String("/XML"));
    EXPECT_FALSE(pdf.dictionary(metadata).contains(QLatin1String("/Filter")));
    const QString xmp = QString::fromUtf8(pdf.streamData(metadata));
    for (const char *expected :
         {"<pdfaid:part>2</pdfaid:part>", "<pdfaid:conformance>B</pdfaid:conformance>",
          "<rdf:li xml:lang=\"x-default\">Minutes &lt;1&amp;2&gt;</rdf:li>",
          "<xmp:CreatorTool>Quillon</xmp:CreatorTool>",
          "<xmp:CreateDate>2026-03-01T10:00:00+05:30</xmp:CreateDate>"})
        EXPECT_TRUE(xmp.contains(QLatin1String(expected))) << expected;
    const QString uuid = id.at(0).toString().mid(2);
    EXPECT_TRUE(xmp.contains(uuid.left(8) + u'-' + uuid.mid(8, 4))) << xmp.toStdString();

    const QJsonObject intent =
        catalog.value(QLatin1String("/OutputIntents")).toArray().at(0).toObject();
    EXPECT_EQ(text(intent, "/S"), QLatin1String("/GTS_PDFA1"));
    const QString profile = text(intent, "/DestOutputProfile");
    EXPECT_EQ(pdf.dictionary(profile).value(QLatin1String("/N")).toInt(), 3);
    const QByteArray icc = pdf.streamData(profile);
    EXPECT_EQ(icc.mid(12, 12), "mntrRGB XYZ ");
    EXPECT_EQ(icc.mid(36, 4), "acsp");

    int fonts = 0;
    for (const QJsonObject &object : pdf.all()) {
        EXPECT_FALSE(object.contains(QLatin1String("/SMask")));
        EXPECT_FALSE(object.contains(QLatin1String("/Group")));
        if (text(object, "/Type") == QLatin1String("/FontDescriptor")) {
            ++fonts;
            EXPECT_TRUE(object.contains(QLatin1String("/FontFile2")));
        }
    }
    EXPECT_EQ(fonts, 1);
}

struct FormCase
{
    const char *name;
    bool colourPicture;
    Mode mode;
    // pdfimages -list's colour, bits per component and encoding.
    const char *form;
    // The image's width by the picture's: black and white is thresholded enlarged, to at most 3.
    double leastWidthFactor;
    double mostWidthFactor;
    int maxKiB;
};

// Each page in the form its colour mode calls for, within its size; a page left in colour
// whose picture has none is kept as grey. Every page stays readable to an old reader.
TEST(PdfWriter, PagesAreStoredInTheirColourModesForm)
{
    const std::array<FormCase, 4> cases{{
        // The sensor's noise, which JPEG keeps, weighs most on a grey page.
        {"grey", false, Mode::Grey, "gray 1 8 jpeg", 1, 1, 300},
        {"blackAndWhite", false, Mode::BlackAndWhite, "gray 1 1 ccitt", 2, 3, 50},
        {"colour", true, Mode::Colour, "rgb 3 8 jpeg", 1, 1, 300},
        {"colourless", false, Mode::Colour, "gray 1 8 jpeg", 1, 1, 300},
    }};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("forms.pdf"));
    std::vector<PageSource> pages;
    for (const FormCase &form : cases) {
        PageEdits edits;
        edits.colourMode = form.mode;
        pages.push_back({cameraPage(form.colourPicture), {}, edits});
    }
    ASSERT_TRUE(writePdf(path, pages));
    EXPECT_TRUE(qpdfFindsNoFault(path));
    EXPECT_EQ(PdfTools::pageCountOf(path), int(cases.size()));

    const QStringList rows =
        PdfTools::run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
            .split(u'\n', Qt::SkipEmptyParts)
            .mid(2);
    ASSERT_EQ(rows.size(), qsizetype(cases.size()));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        const QStringList columns = rows[qsizetype(i)].split(u' ', Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 15) << cases[i].name;
        EXPECT_EQ(columns.mid(5, 4).join(u' '), QLatin1String(cases[i].form)) << cases[i].name;
        const int width = pages[i].picture.width();
        EXPECT_GE(columns[3].toInt(), int(width * cases[i].leastWidthFactor)) << cases[i].name;
        EXPECT_LE(columns[3].toInt(), int(width * cases[i].mostWidthFactor)) << cases[i].name;
        const QString size = columns[14];
        const double kib = size.chopped(1).toDouble() * (size.endsWith(u'M') ? 1024 : 1);
        EXPECT_TRUE(size.endsWith(u'K') || size.endsWith(u'M')) << size.toStdString();
        EXPECT_LE(kib, cases[i].maxKiB) << cases[i].name;
    }

    // The black-and-white page shows black print on white paper, not the reverse.
    const QString rendered = dir.filePath(QStringLiteral("bilevel"));
    PdfTools::run(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-singlefile"),
                   QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-gray"), path,
                   rendered});
    const QImage shown(rendered + QStringLiteral(".pgm"));
    ASSERT_FALSE(shown.isNull());
    qint64 sum = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            sum += qGray(shown.pixel(x, y));
    EXPECT_GT(sum / (qint64(shown.width()) * shown.height()), 200);
}
} // namespace
