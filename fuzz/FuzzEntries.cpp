// SPDX-License-Identifier: MIT
#include "fuzz/FuzzEntries.h"

#include "app/PlacementFit.h"
#include "app/WindowPlacement.h"
#include "imaging/ImageCodecs.h"
#include "link/CameraCommands.h"
#include "picture/ImageFileFormat.h"
#include "picture/ImagingControl.h"
#include "sim/SimControlCommands.h"
#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace {
void require(bool condition)
{
    if (!condition)
        std::abort();
}

QString text(FuzzEntry::Input data)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
}

std::span<const std::uint8_t> bytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

// Round trips of larger pictures cost time without reaching other code.
constexpr qint64 RoundTripPixels = 1 << 20;
} // namespace

namespace FuzzEntry {
void imageFile(Input data)
{
    const auto decoded = ImageCodecs::decode(data);
    if (!decoded)
        return;
    const QImage &image = decoded->image;
    require(!image.isNull() && ImageLimits::acceptableSize(image.width(), image.height()));
    if (qint64(image.width()) * image.height() > RoundTripPixels)
        return;
    for (auto format : {ImageCodecs::FileFormat::Bmp, ImageCodecs::FileFormat::Jpeg}) {
        const QByteArray saved = ImageCodecs::encode(*decoded, format, 15);
        const auto loaded = ImageCodecs::decode(bytesOf(saved));
        require(loaded && loaded->image.size() == image.size());
        if (format == ImageCodecs::FileFormat::Bmp)
            require(loaded->bitsPerPixel == decoded->bitsPerPixel);
    }
}

void imageFormat(Input data)
{
    const short format = imageFormatForFileName(text(data));
    require(format == ImagingControl::ImageFormatBmp || format == ImagingControl::ImageFormatJpeg ||
            format == ImagingControl::ImageFormatPng);
}

void windowPlacement(Input data)
{
    const auto placement = parseWindowPlacement(text(data));
    if (!placement)
        return;
    require(parseWindowPlacement(formatWindowPlacement(*placement)) == placement);
    static const std::array<QRect, 2> screens{QRect(0, 0, 1600, 1160),
                                              QRect(1600, -200, 1920, 1080)};
    const QRect stored = placement->normalRect();
    for (std::size_t count : {1, 2}) {
        const std::span<const QRect> areas(screens.data(), count);
        const QRect shown = fitToScreens(stored, areas);
        // Whatever was stored, the window is shown on a screen and no larger than one.
        require(stored.isEmpty() ||
                std::any_of(areas.begin(), areas.end(), [&shown](const QRect &area) {
                    return area.intersects(shown) && area.width() >= shown.width() &&
                           area.height() >= shown.height();
                }));
    }
}

void settings(Input data)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(data.data()), qint64(data.size()));
    file.close();
    const SettingsStore store(path);
    for (const IntSetting &setting : {Setting::Qfactor, Setting::Gamma, Setting::Sharpness}) {
        const int value = store.read(setting);
        require(value >= setting.minimum && value <= setting.maximum);
    }
    store.loadApplicationSettings();
    windowPlacement(bytesOf(store.windowPos().toUtf8()));
}

void simControl(Input data)
{
    const QStringList lines = text(data).split(QLatin1Char('\n'));
    QString error;
    if (!parseCoefficients(lines.first(), &error))
        require(!error.isEmpty());
    SimulatedMainUnit unit;
    runSimFaults(unit, lines.first());
    for (const QString &line : lines) {
        // `sent` and `state` answer their lines before "ok"; an error is one line.
        const QString answer = runSimCommand(unit, line);
        const bool failed = answer.startsWith(QLatin1String("error: "));
        require(failed ? !answer.contains(QLatin1Char('\n'))
                       : answer.section(QLatin1Char('\n'), -1) == QLatin1String("ok"));
    }
}

void cameraStatus(Input data)
{
    ReplyPacket replies[2]{};
    std::memcpy(replies, data.data(), std::min(data.size(), sizeof replies));
    const CameraCommands::CameraStatus status =
        CameraCommands::decodeStatus(replies[0], replies[1]);
    require(status.sourceIndex >= -1 && status.sourceIndex <= 5);
    require(status.rotation >= -1 && status.rotation <= 3);
}

std::span<const Target> targets()
{
    static const Target all[] = {
        {"image_file", imageFile},
        {"image_format", imageFormat},
        {"window_placement", windowPlacement},
        {"settings", settings},
        {"sim_control", simControl},
        {"camera_status", cameraStatus},
    };
    return all;
}
} // namespace FuzzEntry
