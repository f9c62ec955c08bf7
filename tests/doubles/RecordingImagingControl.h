// SPDX-License-Identifier: MIT
#pragma once

#include "picture/ImagingControl.h"

#include <QByteArray>

#include <string>
#include <vector>

// Records every call, getters included, as text with its arguments ("SetZoomPercent(58.5938)",
// "SetTextItem(3, \"\")", "LoadFromMemory(3907638, 0, 0, 3907638)" with the block's size first),
// and answers from a script. A successful load holds an image of the scripted size and depth;
// SetImageHandle(0) or a failed load drops it, and the getters report 0 without one.
class RecordingImagingControl : public ImagingControl
{
public:
    // The script.
    short loadFileResult = 0;
    short loadFromMemoryResult = 0;
    short saveFileResult = 0;
    QString saveError; // the reason a failed save gives
    short convertColorDepthResult = 0;
    short sharpenResult = 0;
    float imageWidth = 1272.0f;
    float imageHeight = 1024.0f;
    short bitsPerPixel = 24; // a successful ConvertColorDepth sets it to the depth asked for
    bool hasImage = false;
    float zoomPercent = 100.0f;

    // The record.
    mutable std::vector<std::string> calls;
    QByteArray lastLoadedBlock; // the bytes LoadFromMemory was given (its size argument's worth)
    // Shared with other recorders when a test checks the order of events.
    std::vector<std::string> *log = nullptr;

    // The calls without the getters, for checking what a caller did.
    std::vector<std::string> commands() const;
    // The calls whose name (the text before the parenthesis) is name.
    std::vector<std::string> callsTo(const std::string &name) const;
    void clear() { calls.clear(); }

    void SetAutoSize(bool autoSize) override;
    void SetAppearance(short appearance) override;
    void SetBorderStyle(short style) override;
    void SetImageHandle(long handle) override;
    void SetRepaintEnabled(bool enabled) override;
    void SetOption5(bool value) override;
    void SetOption20(bool value) override;
    void SetOption57(bool value) override;
    void SetOption6(short value) override;
    void SetOption19(short value) override;
    float GetImageWidth() const override;
    float GetImageHeight() const override;
    short GetBitsPerPixel() const override;
    // An image of the scripted size in one colour.
    QImage GetImage() const override;
    void SetSizeMode(short mode) override;
    float GetZoomPercent() const override;
    void SetZoomPercent(float zoom) override;
    short Sharpen(short amount) override;
    short Repaint() override;
    short SaveFile(const QString &path, short format, short bitsPerPixel, short quality,
                   short reserved) override;
    short LoadFile(const QString &path, short reserved1, short reserved2, short reserved3) override;
    short ConvertColorDepth(short bitsPerPixel, short reserved1, short reserved2,
                            short reserved3) override;
    short LoadFromMemory(const MemoryBlock &block, short reserved1, short reserved2,
                         long size) override;
    void SetTextItem(short index, const QString &text) override;
    QString saveErrorString() const override { return saveError; }

private:
    void record(const std::string &call) const;
};
