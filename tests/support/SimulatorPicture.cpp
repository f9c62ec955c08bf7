// SPDX-License-Identifier: MIT
#include "tests/support/SimulatorPicture.h"

#include "imaging/ImageCodecs.h"
#include "link/ColorConversion.h"
#include "sim/SimulatedMainUnit.h"

namespace {
QImage captured(const std::vector<std::uint8_t> &raw)
{
    std::vector<std::uint8_t> cropped(FrameLayout::CroppedFrameBytes);
    std::vector<std::uint8_t> bitmap(FrameLayout::BitmapImageSize);
    if (!CropRawFrame(raw, cropped) ||
        !ConvertFrameToBitmap(cropped, SimulatedMainUnit::DefaultCoefficients, 1, bitmap))
        return {};
    const auto decoded = ImageCodecs::decode(bitmap);
    return decoded ? decoded->image : QImage();
}
} // namespace

QImage simulatorPicture(const PictureState &state)
{
    return captured(renderTestFrame(state));
}

SheetCapture sheetCapture(const SheetSetup &setup, const PictureState &state)
{
    TypesetSheet sheet = typesetSheet(setup);
    const QImage picture = captured(renderFrame(CameraScene(sheet.picture), state));
    return {picture, std::move(sheet)};
}
