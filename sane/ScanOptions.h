// SPDX-License-Identifier: MIT
#pragma once

#include "link/CameraCommands.h"
#include "sane/ScanSettings.h"

#include <array>
#include <sane/sane.h>
#include <string_view>

// The camera's own settings and motions, as the options drive them.
class CameraControls
{
public:
    virtual ~CameraControls() = default;
    // One acknowledged control command: SANE_STATUS_GOOD, or why it did not go through.
    virtual SANE_Status sendControl(std::string_view command) = 0;
    // A motion for one short step: started, and stopped a moment later.
    virtual SANE_Status stepMotion(std::string_view start, std::string_view stop) = 0;
};

// The options a frontend sees, with SANE's well-known names where there is one: the mode, the
// resolution, the preview and the scan area; in the advanced group the picture settings and the
// camera's lamps, rotation and negative picture, and buttons for the motions of the remote
// panel's keys (a short step each) and its one-off actions.
class ScanOptions
{
public:
    enum Index : SANE_Int
    {
        OptionCount,
        StandardGroup,
        Mode,
        Threshold,
        Resolution,
        Preview,
        GeometryGroup,
        TopLeftX,
        TopLeftY,
        BottomRightX,
        BottomRightY,
        AdvancedGroup,
        GammaCorrection,
        Sharpness,
        Lamp,
        Rotation,
        Negative,
        ZoomIn,
        ZoomOut,
        FocusNear,
        FocusFar,
        Autofocus,
        IrisOpen,
        IrisClose,
        IrisNormal,
        Count
    };

    // defaults: the picture settings stored by the program. The camera's settings read as lamps
    // off, no rotation, positive until its status replies tell them.
    ScanOptions(CameraControls &camera, const ScanSettings &defaults);
    void showCameraStatus(const CameraCommands::CameraStatus &status);

    // Null for an index out of range.
    const SANE_Option_Descriptor *descriptor(SANE_Int index) const;
    // sane_control_option: get or set a value, or press a button. info may be null.
    SANE_Status control(SANE_Int index, SANE_Action action, void *value, SANE_Int *info);

    const ScanSettings &settings() const { return m_settings; }

private:
    friend class ScanOptionsFixture;

    SANE_Status get(Index index, void *value) const;
    SANE_Status set(Index index, void *value, SANE_Int *info);
    SANE_Status setCamera(Index index, SANE_Word word);
    void updateActivity();

    CameraControls &m_camera;
    std::array<SANE_Option_Descriptor, Count> m_descriptors{};
    ScanSettings m_settings;
    int m_lamp = 0;     // 0 off, 1 BASE, 2 UPPER
    int m_rotation = 0; // 0 to 3: 0, 90, 180, 270 degrees
    bool m_negative = false;
};
