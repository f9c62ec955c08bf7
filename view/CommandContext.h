// SPDX-License-Identifier: MIT
#pragma once

// What the command rules look at: a snapshot of the view's state.
struct CommandContext
{
    bool hasImage = false;
    // Neither m_bNoLink nor m_bBusy: the camera answered that it is ready.
    bool cameraReady = false;
    bool remotePanelOpen = false;
    float zoomPercent = 0.0f;
    // Pages set aside for a PDF, and whether a PDF is being written now.
    int pageCount = 0;
    bool pdfBusy = false;
};
