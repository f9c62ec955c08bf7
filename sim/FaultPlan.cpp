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

bool FaultPlan::shortenRow(int row)
{
    if (row < 1 || row > FrameLayout::RawRows)
        return false;
    m_shortRow = row;
    return true;
}

bool FaultPlan::takeShortRow(int row)
{
    if (row != m_shortRow)
        return false;
    m_shortRow = 0;
    return true;
}
