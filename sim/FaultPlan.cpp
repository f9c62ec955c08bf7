// SPDX-License-Identifier: MIT
#include "sim/FaultPlan.h"

#include "link/FrameLayout.h"

#include <algorithm>
#include <utility>

void FaultPlan::setInitializing(int readinessQueries)
{
    m_initializingQueries = std::max(0, readinessQueries);
}

void FaultPlan::countReadinessQuery()
{
    if (m_initializingQueries > 0)
        --m_initializingQueries;
}

bool FaultPlan::takeRefusal()
{
    return std::exchange(m_refuseNext, false);
}

bool FaultPlan::takeReplyPipeFailure()
{
    return std::exchange(m_failReplyPipe, false);
}

bool FaultPlan::takeImagePipeFailure()
{
    return std::exchange(m_failImagePipe, false);
}

bool FaultPlan::takeCommandFailure()
{
    return std::exchange(m_failCommand, false);
}

namespace {
// A row of the transfer to fault, 0 for none.
bool setRow(int &fault, int row)
{
    if (row < 1 || row > FrameLayout::RawRows)
        return false;
    fault = row;
    return true;
}

bool takeRow(int &fault, int row)
{
    if (row != fault)
        return false;
    fault = 0;
    return true;
}
} // namespace

bool FaultPlan::shortenRow(int row)
{
    return setRow(m_shortRow, row);
}

bool FaultPlan::takeShortRow(int row)
{
    return takeRow(m_shortRow, row);
}

bool FaultPlan::unplugAtRow(int row)
{
    return setRow(m_unplugAtRow, row);
}

bool FaultPlan::takeUnplugAtRow(int row)
{
    return takeRow(m_unplugAtRow, row);
}

bool FaultPlan::slowNextTransfer(int msPerRow)
{
    if (msPerRow < 1 || msPerRow > MaxMsPerRow)
        return false;
    m_msPerRow = msPerRow;
    return true;
}

int FaultPlan::takeSlowTransfer()
{
    return std::exchange(m_msPerRow, 0);
}
