// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

// Who holds a camera that other processes share (the program, a scanner backend): a transport
// claims the camera when a pipe is opened and keeps it while that pipe, or the operation it was
// opened in, lasts; then it lets go, so that the other process can use the camera between our
// operations. A claim is a token; whoever holds a copy keeps the camera claimed, and the last
// copy to go releases it.
class OperationClaim
{
public:
    using Token = std::shared_ptr<void>;

    // The claim in force, or a new one from acquire; null when acquire cannot have one (another
    // process holds the camera, say).
    Token claim(const std::function<Token()> &acquire);
    // Operations nest; the claim made inside the outermost is kept until it ends.
    void beginOperation() { ++m_depth; }
    void endOperation();
    bool isClaimed() const { return !m_current.expired(); }
    // The camera went away with its claim: the next pipe claims it anew.
    void forget();

private:
    int m_depth = 0;
    std::weak_ptr<void> m_current;
    Token m_heldByOperation;
};
