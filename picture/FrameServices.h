// SPDX-License-Identifier: MIT
#pragma once

#include "link/CameraLink.h"
#include "link/StatusText.h"

// The top-level menus of the menu bar by position.
namespace MenuPosition {
inline constexpr int File = 0;
inline constexpr int Edit = 1;
inline constexpr int RemoteControl = 2;
inline constexpr int Zoom = 3;
inline constexpr int Help = 4;
} // namespace MenuPosition

// What the view asks of the main frame that holds it: the status texts, the zoom readout, the
// top-level menus, the camera link and its host, and the frame's state during an image
// transfer. The main window implements it; the headless capture and the tests have their own.
class FrameServices : public StatusSink, public LinkHost
{
public:
    // Zoom in percent; negative: no image (the readout is blanked).
    virtual void SetZoomReadout(float zoomPercent) = 0;
    // Enables or greys a top-level menu of the menu bar by position.
    virtual void EnableTopMenu(int position, bool enabled) = 0;
    virtual CameraLink &link() = 0;
    // The frame takes no input while an image is transferred.
    virtual void setFrameEnabled(bool enabled) = 0;
    // Rows of the image read so far, 0 to 1024 (the status bar's progress bar).
    virtual void setTransferProgress(int rows) = 0;
};
