// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// String-table ids of the texts the program shows in the status bar's message pane, and the
// application title used as the caption of the main window and of every message box.
namespace StringId {
inline constexpr int AppTitle = 57344;
inline constexpr int Ready = 57345;
inline constexpr int Busy = 57346;
inline constexpr int Initializing = 57347;
inline constexpr int NotReady = 57348;
} // namespace StringId

// The text of one of the ids above; an empty string for any other id.
QString statusText(int stringId);

// What the status rule looks at besides the text shown: the readiness monitor's flags.
struct StatusReadiness
{
    bool noLink = false;
    bool busy = false;
    int initPollCount = 0;
};

// Whether a requested status text may replace the one shown (shownId: the id of the text in
// the message pane, 0 for anything else, such as a prompt). While the camera is unreachable or
// initializing, the warning that says so may only be replaced by the other warning or after the
// idle text came back; once the initializing polls ran out, anything may replace it. The rule
// looks at what is shown, whatever is requested.
bool statusMayChange(int shownId, const StatusReadiness &readiness);

// The id the message pane shows after a request for requestedId: the request where
// statusMayChange allows it, else nothing (0: the pane keeps what it shows). One exception: an
// operation that ends (requests "Ready !") after the link went down while its "Busy !" was
// shown, say with its failure message still open, leaves "Not Ready" instead of its "Busy !"
// when the link is all that is down (the camera is not also initializing).
int statusAfterRequest(int shownId, int requestedId, const StatusReadiness &readiness);

// What the link and the long operations use to request a status text. The main frame decides
// whether the request may replace the text shown now.
class StatusSink
{
public:
    virtual ~StatusSink() = default;
    virtual void SetStatusMessage(int stringId) = 0;
    // Whether a long operation shows the wait cursor: only where there is a window to show it
    // over. A caller without one (a scanner backend in another program's process) leaves the
    // cursor, and the application it may not own, alone.
    virtual bool showsWaitCursor() const { return true; }
};
