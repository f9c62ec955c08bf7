// SPDX-License-Identifier: MIT
#pragma once

class StatusSink;

// A long operation: "Busy !" and the wait cursor from construction, the cursor restored and
// "Ready !" asked for when it ends. end() ends it early, where a message must follow the idle
// text; ending twice does nothing.
class BusyScope
{
public:
    explicit BusyScope(StatusSink &status);
    ~BusyScope();
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

    void end();

private:
    StatusSink *m_status;
    bool m_cursor; // the wait cursor is shown
};
