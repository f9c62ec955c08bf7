// SPDX-License-Identifier: MIT
#include "sim/SheetSetupText.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <functional>
#include <map>

namespace {
// A page's text is a few kilobytes; far more is not a page.
constexpr qint64 LargestText = 1 << 20;

std::optional<QString> readText(const QString &path, QString *error)
{
    // Opening a FIFO or a device waits for a writer or reads without end: only regular files.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the text file %1").arg(path);
        return std::nullopt;
    }
    if (file.size() > LargestText) {
        *error = QStringLiteral("%1 is larger than a page's text can be").arg(path);
        return std::nullopt;
    }
    return QString::fromUtf8(file.readAll());
}

std::optional<double> number(const QString &text, double lowest, double highest)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= lowest && value <= highest))
        return std::nullopt;
    return value;
}

// Sets one field from its value text; false, with the reason, when the value does not fit.
using Field = std::function<bool(SheetSetup &, const QString &, QString *)>;

// A number in a range, stored by set.
Field numeric(double lowest, double highest, std::function<void(SheetSetup &, double)> set)
{
    return [=](SheetSetup &setup, const QString &value, QString *error) {
        const std::optional<double> n = number(value, lowest, highest);
        if (!n) {
            *error =
                QStringLiteral("a number %1 to %2, not \"%3\"").arg(lowest).arg(highest).arg(value);
            return false;
        }
        set(setup, *n);
        return true;
    };
}

// One of a few words, each standing for what set stores.
template<typename T>
Field oneOf(std::map<QString, T> words, T SheetSetup::*member)
{
    return [=](SheetSetup &setup, const QString &value, QString *error) {
        const auto word = words.find(value);
        if (word == words.end()) {
            QStringList names;
            for (const auto &[name, unused] : words)
                names << name;
            *error = QStringLiteral("one of %1, not \"%2\"").arg(names.join(u'|'), value);
            return false;
        }
        setup.*member = word->second;
        return true;
    };
}

std::map<QString, SheetSetup::Side> edges()
{
    return {{QStringLiteral("none"), SheetSetup::Side::None},
            {QStringLiteral("top"), SheetSetup::Side::Top},
            {QStringLiteral("right"), SheetSetup::Side::Right},
            {QStringLiteral("bottom"), SheetSetup::Side::Bottom},
            {QStringLiteral("left"), SheetSetup::Side::Left}};
}

std::map<QString, SheetSetup::Side> sides()
{
    std::map<QString, SheetSetup::Side> all = edges();
    all.erase(QStringLiteral("none"));
    all.insert({{QStringLiteral("top-left"), SheetSetup::Side::TopLeft},
                {QStringLiteral("top-right"), SheetSetup::Side::TopRight},
                {QStringLiteral("bottom-right"), SheetSetup::Side::BottomRight},
                {QStringLiteral("bottom-left"), SheetSetup::Side::BottomLeft}});
    return all;
}

const std::map<QString, Field> &fields()
{
    static const std::map<QString, Field> all{
        {QStringLiteral("font"),
         [](SheetSetup &s, const QString &value, QString *error) {
             if (value.isEmpty())
                 *error = QStringLiteral("the name of a font family");
             s.font = value;
             return !value.isEmpty();
         }},
        {QStringLiteral("points"), numeric(6, 16, [](SheetSetup &s, double v) { s.points = v; })},
        {QStringLiteral("columns"),
         numeric(1, 2, [](SheetSetup &s, double v) { s.columns = int(v); })},
        {QStringLiteral("align"),
         oneOf<bool>({{QStringLiteral("justify"), true}, {QStringLiteral("left"), false}},
                     &SheetSetup::justified)},
        {QStringLiteral("paper"),
         oneOf<SheetSetup::Paper>({{QStringLiteral("a4"), SheetSetup::Paper::A4},
                                   {QStringLiteral("letter"), SheetSetup::Paper::Letter},
                                   {QStringLiteral("a5"), SheetSetup::Paper::A5}},
                                  &SheetSetup::paper)},
        {QStringLiteral("text"),
         [](SheetSetup &s, const QString &value, QString *error) {
             const std::optional<QString> text = readText(value, error);
             if (text)
                 s.text = *text;
             return text.has_value();
         }},
        {QStringLiteral("pages"), numeric(0, 2, [](SheetSetup &s, double v) { s.pages = int(v); })},
        {QStringLiteral("bend"), numeric(0, 8, [](SheetSetup &s, double v) { s.bend = v; })},
        {QStringLiteral("turn"), oneOf<int>({{QStringLiteral("0"), 0},
                                             {QStringLiteral("90"), 1},
                                             {QStringLiteral("180"), 2},
                                             {QStringLiteral("270"), 3}},
                                            &SheetSetup::quarterTurns)},
        {QStringLiteral("skew"), numeric(-15, 15, [](SheetSetup &s, double v) { s.skew = v; })},
        {QStringLiteral("offset-x"),
         numeric(-640, 640, [](SheetSetup &s, double v) { s.offset.setX(v); })},
        {QStringLiteral("offset-y"),
         numeric(-512, 512, [](SheetSetup &s, double v) { s.offset.setY(v); })},
        {QStringLiteral("finger"), oneOf(edges(), &SheetSetup::finger)},
        {QStringLiteral("lamp"), oneOf(sides(), &SheetSetup::lamp)},
        {QStringLiteral("keystone"),
         numeric(0, 20, [](SheetSetup &s, double v) { s.keystone = v; })},
        {QStringLiteral("fill"), numeric(50, 100, [](SheetSetup &s, double v) { s.fill = v; })},
        {QStringLiteral("desk"), numeric(0, 255, [](SheetSetup &s, double v) { s.desk = int(v); })},
        {QStringLiteral("falloff"),
         numeric(0, 80, [](SheetSetup &s, double v) { s.falloff = int(v); })},
        {QStringLiteral("blur"), numeric(0, 3, [](SheetSetup &s, double v) { s.blur = v; })},
        {QStringLiteral("noise"),
         numeric(0, 30, [](SheetSetup &s, double v) { s.noise = int(v); })},
        {QStringLiteral("seed"),
         numeric(0, 4294967295.0, [](SheetSetup &s, double v) { s.seed = unsigned(v); })},
    };
    return all;
}
} // namespace

std::optional<SheetSetup> parseSheetSetup(const QString &list, QString *error)
{
    SheetSetup setup;
    if (list.trimmed() == QLatin1String("default"))
        return setup;
    for (const QString &item : list.split(u',')) {
        const qsizetype equals = item.indexOf(u'=');
        const QString name = item.left(equals).trimmed();
        const auto field = fields().find(name);
        if (equals < 0 || field == fields().end()) {
            QStringList names;
            for (const auto &[known, unused] : fields())
                names << known;
            *error = QStringLiteral("\"%1\" is not NAME=VALUE with NAME one of %2")
                         .arg(item.trimmed(), names.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        QString reason;
        if (!field->second(setup, item.mid(equals + 1).trimmed(), &reason)) {
            *error = QStringLiteral("%1: %2").arg(name, reason);
            return std::nullopt;
        }
    }
    return setup;
}

QString describeSheet(const TypesetSheet &sheet)
{
    auto points = [](const std::array<QPointF, 4> &corners) {
        QStringList xy;
        for (const QPointF &corner : corners)
            xy << QStringLiteral("%1,%2").arg(corner.x(), 0, 'f', 1).arg(corner.y(), 0, 'f', 1);
        return xy.join(u' ');
    };
    // The bare desk has no corners.
    QStringList lines{sheet.corners == std::array<QPointF, 4>{}
                          ? QStringLiteral("corners")
                          : QStringLiteral("corners ") + points(sheet.corners)};
    for (const std::array<QPointF, 4> &page : sheet.pages)
        lines << QStringLiteral("page ") + points(page);
    const QStringList print = sheet.text.isEmpty() ? QStringList() : sheet.text.split(u'\n');
    for (const QString &line : print)
        lines << (line.isEmpty() ? QStringLiteral("line") : QStringLiteral("line ") + line);
    return lines.join(u'\n');
}
