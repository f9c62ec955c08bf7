// SPDX-License-Identifier: MIT
#include "sim/TypesetSheet.h"

#include "sim/BookFold.h"

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace {
// The page is laid out in twentieths of a point: font pixel sizes are whole numbers, and glyph
// advances at that size are exact enough for any print size the camera sees.
constexpr double UnitsPerPoint = 20;
constexpr int SceneWidth = 1280;
constexpr int SceneHeight = 1024;
// What a capture keeps of the scene: the camera's frame loses its last 8 columns.
constexpr QSizeF Captured(1272, 1024);
// Baseline to baseline, in sizes of the font.
constexpr double Leading = 1.2;
constexpr double HeadingScale = 1.3;

const QColor Paper(244, 242, 236);
const QColor Ink(28, 28, 32);

QSizeF paperPoints(SheetSetup::Paper paper)
{
    switch (paper) {
    case SheetSetup::Paper::Letter:
        return {612, 792};
    case SheetSetup::Paper::A5:
        return {419.53, 595.28};
    case SheetSetup::Paper::A4:
        break;
    }
    return {595.28, 841.89};
}

// The corners of a rectangle clockwise from the top left, as quadToQuad takes them.
QPolygonF quad(const QRectF &r)
{
    return QPolygonF({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()});
}

std::array<QPointF, 4> cornersOf(const QRectF &r, const QTransform &toPicture)
{
    const QPolygonF mapped = toPicture.map(quad(r));
    return {mapped[0], mapped[1], mapped[2], mapped[3]};
}

// Where on the picture a side lies, across and down, each -1, 0 or 1.
QPoint directionOf(SheetSetup::Side side)
{
    switch (side) {
    case SheetSetup::Side::Top:
        return {0, -1};
    case SheetSetup::Side::Right:
        return {1, 0};
    case SheetSetup::Side::Bottom:
        return {0, 1};
    case SheetSetup::Side::Left:
        return {-1, 0};
    case SheetSetup::Side::TopLeft:
        return {-1, -1};
    case SheetSetup::Side::TopRight:
        return {1, -1};
    case SheetSetup::Side::BottomRight:
        return {1, 1};
    case SheetSetup::Side::BottomLeft:
        return {-1, 1};
    case SheetSetup::Side::None:
        break;
    }
    return {};
}

// From the paper (one sheet, or the spread of two side by side), in points, to the picture.
QTransform paperToPicture(const SheetSetup &setup, QSizeF paper)
{
    const QSizeF extent = setup.quarterTurns % 2 ? paper.transposed() : paper;
    const double scale =
        setup.fill / 100 *
        std::min(Captured.width() / extent.width(), Captured.height() / extent.height());
    QTransform place;
    place.translate(Captured.width() / 2 + setup.offset.x(),
                    Captured.height() / 2 + setup.offset.y());
    place.rotate(90.0 * setup.quarterTurns + setup.skew);
    place.scale(scale, scale);
    place.translate(-paper.width() / 2, -paper.height() / 2);
    // A camera tilted towards the sheet's far edge sees the top of its picture narrower.
    const QRectF view(QPointF(0, 0), Captured);
    const QPointF inset(view.width() * setup.keystone / 200, 0);
    QTransform tilt;
    QTransform::quadToQuad(quad(view),
                           QPolygonF({view.topLeft() + inset, view.topRight() - inset,
                                      view.bottomRight(), view.bottomLeft()}),
                           tilt);
    return place * tilt;
}

// Sets paragraphs into the columns of the pages, top to bottom, column after column and page
// after page, until the text ends or the last page is full.
class Typesetter
{
public:
    Typesetter(const SheetSetup &setup, QSizeF paper)
        : m_setup(setup)
        , m_size(setup.points * UnitsPerPoint)
        , m_pageText(std::size_t(std::max(setup.pages, 1)))
    {
        const QSizeF page = paper * UnitsPerPoint;
        const double margin = page.width() * 0.11;
        const double gap = page.width() * 0.04;
        m_pageWidth = page.width();
        m_columnWidth = (page.width() - 2 * margin - (setup.columns - 1) * gap) / setup.columns;
        m_columnStep = m_columnWidth + gap;
        m_top = page.height() * 0.08;
        m_bottom = page.height() * 0.92;
        m_left = margin;
        m_y = m_top;
    }

    // False once the last page is full.
    bool set(const QString &paragraph)
    {
        const bool heading = paragraph.startsWith(QLatin1String("# "));
        const QString text = heading ? paragraph.mid(2) : paragraph;
        QFont font(m_setup.font);
        font.setPixelSize(int(std::lround(m_size * (heading ? HeadingScale : 1.0))));
        font.setBold(heading);
        font.setHintingPreference(QFont::PreferNoHinting);
        const double advance = font.pixelSize() * Leading;
        if (heading && m_y > m_top)
            m_y += 0.6 * advance;

        auto layout = std::make_unique<QTextLayout>(text, font);
        QTextOption option(m_setup.justified && !heading ? Qt::AlignJustify : Qt::AlignLeft);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setUseDesignMetrics(true);
        layout->setTextOption(option);
        layout->beginLayout();
        QStringList lines;
        int page = pageOfColumn();
        bool full = false;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(m_columnWidth);
            if (m_y + advance > m_bottom && !nextColumn()) {
                full = true;
                break;
            }
            if (pageOfColumn() != page) {
                keep(page, lines);
                page = pageOfColumn();
            }
            const int column = m_column % m_setup.columns;
            line.setPosition(QPointF(page * m_pageWidth + m_left + column * m_columnStep, m_y));
            m_lines.push_back({layout.get(), line.lineNumber()});
            lines << text.mid(line.textStart(), line.textLength()).trimmed();
            m_y += advance;
        }
        layout->endLayout();
        m_layouts.push_back(std::move(layout));
        keep(page, lines);
        m_y += (heading ? 0.3 : 0.5) * advance;
        return !full;
    }

    void draw(QPainter &painter) const
    {
        for (const auto &[layout, line] : m_lines)
            layout->lineAt(line).draw(&painter, QPointF());
    }

    QString text() const
    {
        QStringList pages;
        for (const QStringList &paragraphs : m_pageText) {
            if (!paragraphs.isEmpty())
                pages << paragraphs.join(QStringLiteral("\n\n"));
        }
        return pages.join(QStringLiteral("\n\n"));
    }

private:
    int pageOfColumn() const { return m_column / m_setup.columns; }

    bool nextColumn()
    {
        if (m_column + 1 >= m_setup.columns * int(m_pageText.size()))
            return false;
        ++m_column;
        m_y = m_top;
        return true;
    }

    void keep(int page, QStringList &lines)
    {
        if (!lines.isEmpty())
            m_pageText[std::size_t(page)] << lines.join(QLatin1Char('\n'));
        lines.clear();
    }

    const SheetSetup &m_setup;
    double m_size;
    double m_pageWidth = 0;
    double m_columnWidth = 0;
    double m_columnStep = 0;
    double m_left = 0;
    double m_top = 0;
    double m_bottom = 0;
    double m_y = 0;
    // Counted across the pages.
    int m_column = 0;
    std::vector<std::unique_ptr<QTextLayout>> m_layouts;
    std::vector<std::pair<const QTextLayout *, int>> m_lines;
    // Each page's paragraphs, as lines of print.
    std::vector<QStringList> m_pageText;
};

// The lamp above the picture, a little in from the side it is on.
cv::Point2d lampOver(const QImage &scene, SheetSetup::Side side)
{
    const QPoint towards = directionOf(side);
    return {(0.5 + 0.3 * towards.x()) * scene.width(), (0.5 + 0.35 * towards.y()) * scene.height()};
}

// Lamp light that falls off away from the lamp, blur of the lens, and the sensor's noise, in
// that order.
void photograph(QImage &scene, const SheetSetup &setup)
{
    cv::Mat pixels(scene.height(), scene.width(), CV_8UC4, scene.bits(),
                   std::size_t(scene.bytesPerLine()));
    const cv::Point2d lamp = lampOver(scene, setup.lamp);
    const double farthest = std::hypot(std::max(lamp.x, scene.width() - lamp.x),
                                       std::max(lamp.y, scene.height() - lamp.y));
    cv::RNG random(setup.seed);
    if (setup.blur > 0)
        cv::GaussianBlur(pixels, pixels, cv::Size(), setup.blur);
    for (int y = 0; y < scene.height(); ++y) {
        auto *row = pixels.ptr<cv::Vec4b>(y);
        for (int x = 0; x < scene.width(); ++x) {
            const double d = std::hypot(x - lamp.x, y - lamp.y) / farthest;
            const double light = 1 - setup.falloff / 100.0 * d * d;
            const double grain = setup.noise > 0 ? random.gaussian(setup.noise) : 0;
            for (int c = 0; c < 3; ++c)
                row[x][c] = cv::saturate_cast<uchar>(row[x][c] * light + grain);
        }
    }
}

// A finger over the middle of the sheet's side from a to b, reaching in a third of length, the
// hand beyond it on the desk.
void drawFinger(QPainter &painter, QPointF a, QPointF b, QPointF centre, double length)
{
    const QPointF edge = (a + b) / 2;
    const QPointF outward = edge - centre;
    painter.save();
    painter.translate(edge);
    painter.rotate(std::atan2(outward.y(), outward.x()) * 180 / M_PI - 90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 148, 120));
    painter.drawRoundedRect(QRectF(-28, -length / 3, 56, length), 28, 28);
    painter.drawEllipse(QPointF(0, length * 0.9), length * 0.45, length * 0.3);
    painter.restore();
}

void placeFinger(QPainter &painter, const TypesetSheet &sheet, SheetSetup::Side side)
{
    const auto &c = sheet.corners;
    const QPointF centre = (c[0] + c[1] + c[2] + c[3]) / 4;
    const double length = QLineF((c[0] + c[1]) / 2, (c[3] + c[2]) / 2).length() / 2;
    // The sides from the top round to the left start at corners 0 to 3.
    const auto first = std::size_t(side) - std::size_t(SheetSetup::Side::Top);
    drawFinger(painter, c[first], c[(first + 1) % 4], centre, length);
}
} // namespace

TypesetSheet typesetSheet(const SheetSetup &setup)
{
    const QSizeF paper = paperPoints(setup.paper);
    const QSizeF spread(paper.width() * std::max(setup.pages, 1), paper.height());
    const QTransform toPicture = paperToPicture(setup, spread);
    TypesetSheet sheet;
    sheet.picture = QImage(SceneWidth, SceneHeight, QImage::Format_RGB32);
    sheet.picture.fill(QColor(setup.desk, setup.desk, setup.desk));
    if (setup.pages == 0) {
        photograph(sheet.picture, setup);
        return sheet;
    }
    sheet.corners = cornersOf(QRectF(QPointF(0, 0), spread), toPicture);
    if (setup.pages == 2) {
        for (int page = 0; page < 2; ++page)
            sheet.pages.push_back(
                cornersOf(QRectF(QPointF(page * paper.width(), 0), paper), toPicture));
    }

    Typesetter typesetter(setup, paper);
    const QString text = setup.text.isEmpty() ? sheetProse() : setup.text;
    for (const QString &paragraph : text.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts)) {
        if (!typesetter.set(paragraph.simplified()))
            break;
    }
    sheet.text = typesetter.text();

    QPainter painter(&sheet.picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(Qt::NoPen);
    // The sheet's shadow on the desk, away from the lamp.
    QPolygonF outline(sheet.corners.size());
    std::copy(sheet.corners.begin(), sheet.corners.end(), outline.begin());
    const int shade = setup.desk * 3 / 5;
    const QPoint lamp = directionOf(setup.lamp);
    painter.setBrush(QColor(shade, shade, shade));
    painter.drawPolygon(outline.translated(-3 * lamp.x(), -4 * lamp.y()));
    painter.setBrush(Paper);
    painter.drawPolygon(outline);

    QTransform typeToPicture;
    QTransform::quadToQuad(quad(QRectF(QPointF(0, 0), spread * UnitsPerPoint)), outline,
                           typeToPicture);
    painter.setTransform(typeToPicture);
    painter.setPen(Ink);
    typesetter.draw(painter);
    if (setup.pages == 2) {
        painter.setTransform(toPicture);
        BookFold::shade(painter, paper);
    }
    painter.end();
    if (setup.pages == 2 && setup.bend > 0) {
        BookFold::bend(sheet.picture, toPicture, paper, setup.bend / 100);
        for (const bool top : {true, false}) {
            const QPointF end = toPicture.map(BookFold::bentEnd(paper, setup.bend / 100, top));
            (top ? sheet.pages[0][1] : sheet.pages[0][2]) = end;
            (top ? sheet.pages[1][0] : sheet.pages[1][3]) = end;
        }
    }
    if (setup.finger != SheetSetup::Side::None) {
        painter.begin(&sheet.picture);
        painter.setRenderHints(QPainter::Antialiasing);
        placeFinger(painter, sheet, setup.finger);
        painter.end();
    }

    photograph(sheet.picture, setup);
    return sheet;
}
