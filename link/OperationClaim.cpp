// SPDX-License-Identifier: MIT
#include "link/OperationClaim.h"

OperationClaim::Token OperationClaim::claim(const std::function<Token()> &acquire)
{
    Token token = m_current.lock();
    if (!token) {
        token = acquire();
        if (!token)
            return nullptr;
        m_current = token;
    }
    if (m_depth > 0)
        m_heldByOperation = token;
    return token;
}

void OperationClaim::endOperation()
{
    if (m_depth > 0 && --m_depth == 0)
        m_heldByOperation.reset();
}

void OperationClaim::forget()
{
    m_heldByOperation.reset();
    m_current.reset();
}
