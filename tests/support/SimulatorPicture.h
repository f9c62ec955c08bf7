// SPDX-License-Identifier: MIT
#pragma once

#include "sim/TestPattern.h"
#include "sim/TypesetSheet.h"

#include <QImage>

// The simulated camera's picture as a capture shows it (default colour coefficients, the
// default gamma, no sharpening): 1272 x 1024, 24 bits.
QImage simulatorPicture(const PictureState &state = {});

// A capture of a simulated sheet of typeset text, with what the simulator knows of the sheet.
struct SheetCapture
{
    QImage picture;
    TypesetSheet sheet;
};
SheetCapture sheetCapture(const SheetSetup &setup, const PictureState &state = {});
