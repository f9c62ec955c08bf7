// SPDX-License-Identifier: MIT
#include "tests/support/SimulatorPicture.h"

#include "imaging/ImageCodecs.h"
#include "link/ColorConversion.h"
#include "sim/SimulatedMainUnit.h"

QImage simulatorPicture(const PictureState &state)
{
    const std::vector<std::uint8_t> raw = renderTestFrame(state);
    std::vector<std::uint8_t> cropped(FrameLayout::CroppedFrameBytes);
    std::vector<std::uint8_t> bitmap(FrameLayout::BitmapImageSize);
    if (!CropRawFrame(raw, cropped) ||
        !ConvertFrameToBitmap(cropped, SimulatedMainUnit::DefaultCoefficients, 1, bitmap))
        return {};
    const auto decoded = ImageCodecs::decode(bitmap);
    return decoded ? decoded->image : QImage();
}
