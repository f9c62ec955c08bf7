// SPDX-License-Identifier: MIT
#pragma once

class ImagingControl;

// What the picture adjustment dialog previews: the kept camera frame rendered with the settings
// the dialog shows, and the sharpening amounts of its slider's steps.
class PreviewSource
{
public:
    virtual ~PreviewSource() = default;

    // Renders the kept frame into preview with a gamma selection and a sharpening amount; true
    // when the preview then holds the new picture. Repainting of the preview is suspended from
    // the start and left so; the caller resumes it.
    virtual bool renderPreview(ImagingControl &preview, int gamma, int sharpenAmount) = 0;
    // The sharpening amount of a sharpness step; a step outside the table is taken as the
    // default (no change), and the setting in force becomes that default.
    virtual short SharpenAmountForIndex(int index) = 0;
};
