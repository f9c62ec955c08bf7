// SPDX-License-Identifier: MIT
#include "link/LinkError.h"

#include <algorithm>
#include <array>

namespace {
// The texts are shown exactly as the users of the earlier releases know them, spelling included.
constexpr std::array<LinkErrorRow, 11> LinkErrorTable{{
    {1, MessageStyle::OkExclamation, "The communication setting is not for USB."},
    {2, MessageStyle::OkExclamation, "USB: Failed to transmit."},
    {3, MessageStyle::OkExclamation, "USB: Failed to receive."},
    {4, MessageStyle::OkExclamation, "USB: FAiled to capture image."},
    {5, MessageStyle::OkExclamation, "USB: Failed to communicate."},
    {6, MessageStyle::OkExclamation, "USB: Disconnected from main unit."},
    {7, MessageStyle::OkExclamation, "Memory size insuffient for allocation."},
    {8, MessageStyle::OkExclamation, "Failed to load the image!"},
    {9, MessageStyle::OkExclamation, "Failed to save the image."},
    {10, MessageStyle::OkExclamation, "Failed to create the remote control."},
    {11, MessageStyle::OkExclamation, "Time out (The main unit is now initializing.)"},
}};
} // namespace

std::optional<LinkErrorRow> findLinkError(int code)
{
    auto row = std::find_if(LinkErrorTable.begin(), LinkErrorTable.end(),
                            [code](const LinkErrorRow &r) { return r.code == code; });
    if (row == LinkErrorTable.end())
        return std::nullopt;
    return *row;
}
