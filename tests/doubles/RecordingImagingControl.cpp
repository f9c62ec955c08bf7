// SPDX-License-Identifier: MIT
#include "tests/doubles/RecordingImagingControl.h"

#include "link/MemoryBlock.h"

#include <QString>

#include <algorithm>
#include <sstream>

namespace {
std::string text(bool value)
{
    return value ? "true" : "false";
}

std::string text(float value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

std::string quoted(const QString &value)
{
    return '"' + value.toStdString() + '"';
}

template<typename... Args>
std::string call(const std::string &name, const Args &...args)
{
    std::string line = name + '(';
    std::string separator;
    ((line += separator + args, separator = ", "), ...);
    return line + ')';
}

std::string nameOf(const std::string &call)
{
    return call.substr(0, call.find('('));
}
} // namespace

std::vector<std::string> RecordingImagingControl::commands() const
{
    std::vector<std::string> list;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(list),
                 [](const std::string &c) { return c.rfind("Get", 0) != 0; });
    return list;
}

std::vector<std::string> RecordingImagingControl::callsTo(const std::string &name) const
{
    std::vector<std::string> list;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(list),
                 [&](const std::string &c) { return nameOf(c) == name; });
    return list;
}

void RecordingImagingControl::record(const std::string &line) const
{
    calls.push_back(line);
    if (log)
        log->push_back("imaging " + line);
}

void RecordingImagingControl::SetAutoSize(bool autoSize)
{
    record(call("SetAutoSize", text(autoSize)));
}

void RecordingImagingControl::SetAppearance(short appearance)
{
    record(call("SetAppearance", std::to_string(appearance)));
}

void RecordingImagingControl::SetBorderStyle(short style)
{
    record(call("SetBorderStyle", std::to_string(style)));
}

void RecordingImagingControl::SetImageHandle(long handle)
{
    record(call("SetImageHandle", std::to_string(handle)));
    if (handle == 0)
        hasImage = false;
}

void RecordingImagingControl::SetRepaintEnabled(bool enabled)
{
    record(call("SetRepaintEnabled", text(enabled)));
}

void RecordingImagingControl::SetOption5(bool value)
{
    record(call("SetOption5", text(value)));
}

void RecordingImagingControl::SetOption20(bool value)
{
    record(call("SetOption20", text(value)));
}

void RecordingImagingControl::SetOption57(bool value)
{
    record(call("SetOption57", text(value)));
}

void RecordingImagingControl::SetOption6(short value)
{
    record(call("SetOption6", std::to_string(value)));
}

void RecordingImagingControl::SetOption19(short value)
{
    record(call("SetOption19", std::to_string(value)));
}

float RecordingImagingControl::GetImageWidth() const
{
    record(call("GetImageWidth"));
    return hasImage ? imageWidth : 0.0f;
}

float RecordingImagingControl::GetImageHeight() const
{
    record(call("GetImageHeight"));
    return hasImage ? imageHeight : 0.0f;
}

short RecordingImagingControl::GetBitsPerPixel() const
{
    record(call("GetBitsPerPixel"));
    return hasImage ? bitsPerPixel : short(0);
}

QImage RecordingImagingControl::GetImage() const
{
    record(call("GetImage"));
    if (!hasImage)
        return {};
    QImage image(int(imageWidth), int(imageHeight), QImage::Format_BGR888);
    image.fill(Qt::darkCyan);
    return image;
}

void RecordingImagingControl::SetSizeMode(short mode)
{
    record(call("SetSizeMode", std::to_string(mode)));
}

float RecordingImagingControl::GetZoomPercent() const
{
    record(call("GetZoomPercent"));
    return zoomPercent;
}

void RecordingImagingControl::SetZoomPercent(float zoom)
{
    record(call("SetZoomPercent", text(zoom)));
    zoomPercent = zoom;
}

short RecordingImagingControl::Sharpen(short amount)
{
    record(call("Sharpen", std::to_string(amount)));
    return sharpenResult;
}

short RecordingImagingControl::Repaint()
{
    record(call("Repaint"));
    return 0;
}

short RecordingImagingControl::SaveFile(const QString &path, short format, short bits,
                                        short quality, short reserved)
{
    record(call("SaveFile", quoted(path), std::to_string(format), std::to_string(bits),
                std::to_string(quality), std::to_string(reserved)));
    return saveFileResult;
}

short RecordingImagingControl::LoadFile(const QString &path, short reserved1, short reserved2,
                                        short reserved3)
{
    record(call("LoadFile", quoted(path), std::to_string(reserved1), std::to_string(reserved2),
                std::to_string(reserved3)));
    hasImage = loadFileResult == 0;
    return loadFileResult;
}

short RecordingImagingControl::ConvertColorDepth(short bits, short reserved1, short reserved2,
                                                 short reserved3)
{
    record(call("ConvertColorDepth", std::to_string(bits), std::to_string(reserved1),
                std::to_string(reserved2), std::to_string(reserved3)));
    if (convertColorDepthResult == 0)
        bitsPerPixel = bits;
    return convertColorDepthResult;
}

short RecordingImagingControl::LoadFromMemory(const MemoryBlock &block, short reserved1,
                                              short reserved2, long size)
{
    record(call("LoadFromMemory", std::to_string(block.size()), std::to_string(reserved1),
                std::to_string(reserved2), std::to_string(size)));
    const std::size_t kept = std::min(block.size(), size > 0 ? std::size_t(size) : 0);
    lastLoadedBlock = QByteArray(reinterpret_cast<const char *>(block.data()), qsizetype(kept));
    hasImage = loadFromMemoryResult == 0;
    return loadFromMemoryResult;
}

void RecordingImagingControl::SetTextItem(short index, const QString &text)
{
    record(call("SetTextItem", std::to_string(index), quoted(text)));
}
