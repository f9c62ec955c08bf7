// SPDX-License-Identifier: MIT
#include "sim/TypesetSheet.h"

#include <QFont>
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

std::array<QPointF, 4> sheetCorners(const SheetSetup &setup, QSizeF paper)
{
    const QSizeF extent = setup.quarterTurns % 2 ? paper.transposed() : paper;
    const double scale =
        setup.fill / 100 *
        std::min(Captured.width() / extent.width(), Captured.height() / extent.height());
    QTransform place;
    place.translate(Captured.width() / 2, Captured.height() / 2);
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
    const QTransform toPicture = place * tilt;
    return {toPicture.map(QPointF(0, 0)), toPicture.map(QPointF(paper.width(), 0)),
            toPicture.map(QPointF(paper.width(), paper.height())),
            toPicture.map(QPointF(0, paper.height()))};
}

// Sets paragraphs into the page's columns, top to bottom and column after column, until the
// text ends or the page is full.
class Typesetter
{
public:
    Typesetter(const SheetSetup &setup, QSizeF paper)
        : m_setup(setup)
        , m_size(setup.points * UnitsPerPoint)
    {
        const QSizeF page = paper * UnitsPerPoint;
        const double margin = page.width() * 0.11;
        const double gap = page.width() * 0.04;
        m_columnWidth = (page.width() - 2 * margin - (setup.columns - 1) * gap) / setup.columns;
        m_columnStep = m_columnWidth + gap;
        m_top = page.height() * 0.08;
        m_bottom = page.height() * 0.92;
        m_left = margin;
        m_y = m_top;
    }

    // False once the page is full.
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
        bool full = false;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(m_columnWidth);
            if (m_y + advance > m_bottom && !nextColumn()) {
                full = true;
                break;
            }
            line.setPosition(QPointF(m_left + m_column * m_columnStep, m_y));
            m_lines.push_back({layout.get(), line.lineNumber()});
            lines << text.mid(line.textStart(), line.textLength()).trimmed();
            m_y += advance;
        }
        layout->endLayout();
        m_layouts.push_back(std::move(layout));
        if (!lines.isEmpty())
            m_paragraphs << lines.join(QLatin1Char('\n'));
        m_y += (heading ? 0.3 : 0.5) * advance;
        return !full;
    }

    void draw(QPainter &painter) const
    {
        for (const auto &[layout, line] : m_lines)
            layout->lineAt(line).draw(&painter, QPointF());
    }

    QString text() const { return m_paragraphs.join(QStringLiteral("\n\n")); }

private:
    bool nextColumn()
    {
        if (m_column + 1 >= m_setup.columns)
            return false;
        ++m_column;
        m_y = m_top;
        return true;
    }

    const SheetSetup &m_setup;
    double m_size;
    double m_columnWidth = 0;
    double m_columnStep = 0;
    double m_left = 0;
    double m_top = 0;
    double m_bottom = 0;
    double m_y = 0;
    int m_column = 0;
    std::vector<std::unique_ptr<QTextLayout>> m_layouts;
    std::vector<std::pair<const QTextLayout *, int>> m_lines;
    QStringList m_paragraphs;
};

// Lamp light that falls off away from a lamp above the picture's upper left, blur of the lens,
// and the sensor's noise, in that order.
void photograph(QImage &scene, const SheetSetup &setup)
{
    cv::Mat pixels(scene.height(), scene.width(), CV_8UC4, scene.bits(),
                   std::size_t(scene.bytesPerLine()));
    const cv::Point2d lamp(0.2 * scene.width(), 0.15 * scene.height());
    const double farthest = std::hypot(scene.width() - lamp.x, scene.height() - lamp.y);
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
} // namespace

TypesetSheet typesetSheet(const SheetSetup &setup)
{
    const QSizeF paper = paperPoints(setup.paper);
    TypesetSheet sheet;
    sheet.corners = sheetCorners(setup, paper);

    Typesetter typesetter(setup, paper);
    const QString text = setup.text.isEmpty() ? sheetProse() : setup.text;
    for (const QString &paragraph : text.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts)) {
        if (!typesetter.set(paragraph.simplified()))
            break;
    }
    sheet.text = typesetter.text();

    sheet.picture = QImage(SceneWidth, SceneHeight, QImage::Format_RGB32);
    sheet.picture.fill(QColor(setup.desk, setup.desk, setup.desk));
    QPainter painter(&sheet.picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(Qt::NoPen);
    // The sheet's shadow on the desk, towards the lower right, away from the lamp.
    QPolygonF outline(sheet.corners.size());
    std::copy(sheet.corners.begin(), sheet.corners.end(), outline.begin());
    const int shade = setup.desk * 3 / 5;
    painter.setBrush(QColor(shade, shade, shade));
    painter.drawPolygon(outline.translated(3, 4));
    painter.setBrush(Paper);
    painter.drawPolygon(outline);

    QTransform toPicture;
    QTransform::quadToQuad(quad(QRectF(QPointF(0, 0), paper * UnitsPerPoint)), outline, toPicture);
    painter.setTransform(toPicture);
    painter.setPen(Ink);
    typesetter.draw(painter);
    painter.end();

    photograph(sheet.picture, setup);
    return sheet;
}
