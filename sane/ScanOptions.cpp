// SPDX-License-Identifier: MIT
#include "sane/ScanOptions.h"

#include "link/CameraCommandTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <sane/saneopts.h>
#include <string>
#include <strings.h>

namespace cc = CameraCommands;

namespace {
constexpr SANE_String_Const ModeNames[] = {SANE_VALUE_SCAN_MODE_COLOR, SANE_VALUE_SCAN_MODE_GRAY,
                                           SANE_VALUE_SCAN_MODE_LINEART, nullptr};
constexpr SANE_String_Const LampNames[] = {"Off", "Base", "Upper", nullptr};
constexpr SANE_Word ResolutionList[] = {1, ScanSettings::Resolution};
constexpr SANE_Word RotationList[] = {4, 0, 90, 180, 270};
constexpr SANE_Range SharpnessRange{0, 6, 1};
constexpr SANE_Range ThresholdRange{0, SANE_FIX(100.0), SANE_FIX(1.0)};
const SANE_Range WidthRange{0, SANE_FIX(ScanSettings::millimetres(ScanSettings::PictureWidth)), 0};
const SANE_Range HeightRange{0, SANE_FIX(ScanSettings::millimetres(ScanSettings::PictureHeight)),
                             0};

constexpr SANE_Int Settable = SANE_CAP_SOFT_SELECT | SANE_CAP_SOFT_DETECT;

// The longest name of a list, with its terminating zero.
SANE_Int stringSize(const SANE_String_Const *names)
{
    std::size_t size = 0;
    for (; *names; ++names)
        size = std::max(size, std::strlen(*names) + 1);
    return SANE_Int(size);
}

SANE_Option_Descriptor option(SANE_String_Const name, SANE_String_Const title,
                              SANE_String_Const desc, SANE_Value_Type type, SANE_Unit unit,
                              SANE_Int cap)
{
    SANE_Option_Descriptor d{};
    d.name = name;
    d.title = title;
    d.desc = desc;
    d.type = type;
    d.unit = unit;
    d.size = type == SANE_TYPE_BUTTON || type == SANE_TYPE_GROUP ? 0 : SANE_Int(sizeof(SANE_Word));
    d.cap = cap;
    d.constraint_type = SANE_CONSTRAINT_NONE;
    return d;
}

SANE_Option_Descriptor group(SANE_String_Const name, SANE_String_Const title, SANE_Int cap = 0)
{
    return option(name, title, "", SANE_TYPE_GROUP, SANE_UNIT_NONE, cap);
}

SANE_Option_Descriptor stringList(SANE_String_Const name, SANE_String_Const title,
                                  SANE_String_Const desc, const SANE_String_Const *names,
                                  SANE_Int cap)
{
    SANE_Option_Descriptor d = option(name, title, desc, SANE_TYPE_STRING, SANE_UNIT_NONE, cap);
    d.size = stringSize(names);
    d.constraint_type = SANE_CONSTRAINT_STRING_LIST;
    d.constraint.string_list = names;
    return d;
}

SANE_Option_Descriptor ranged(SANE_Option_Descriptor d, const SANE_Range &range)
{
    d.constraint_type = SANE_CONSTRAINT_RANGE;
    d.constraint.range = &range;
    return d;
}

SANE_Option_Descriptor listed(SANE_Option_Descriptor d, const SANE_Word *words)
{
    d.constraint_type = SANE_CONSTRAINT_WORD_LIST;
    d.constraint.word_list = words;
    return d;
}

SANE_Option_Descriptor button(SANE_String_Const name, SANE_String_Const title,
                              SANE_String_Const desc)
{
    return option(name, title, desc, SANE_TYPE_BUTTON, SANE_UNIT_NONE,
                  Settable | SANE_CAP_ADVANCED);
}

// The position of a name in a list, compared as SANE's own backends do, without case.
int indexOfName(const SANE_String_Const *names, const char *value)
{
    for (int i = 0; names[i]; ++i) {
        if (strcasecmp(names[i], value) == 0)
            return i;
    }
    return -1;
}

// A word inside its constraint: clamped to a range (and its step), or the nearest of a list.
SANE_Word constrained(const SANE_Option_Descriptor &d, SANE_Word word)
{
    if (d.constraint_type == SANE_CONSTRAINT_RANGE) {
        const SANE_Range &range = *d.constraint.range;
        SANE_Word value = std::clamp(word, range.min, range.max);
        if (range.quant > 0)
            value = range.min + (value - range.min + range.quant / 2) / range.quant * range.quant;
        return std::min(value, range.max);
    }
    if (d.constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const SANE_Word *list = d.constraint.word_list;
        SANE_Word nearest = list[1];
        for (SANE_Word i = 1; i <= list[0]; ++i) {
            if (std::llabs(std::int64_t(list[i]) - word) < std::llabs(std::int64_t(nearest) - word))
                nearest = list[i];
        }
        return nearest;
    }
    return word;
}
} // namespace

ScanOptions::ScanOptions(CameraControls &camera, const ScanSettings &defaults)
    : m_camera(camera)
    , m_settings(defaults)
{
    auto &d = m_descriptors;
    d[OptionCount] = option(SANE_NAME_NUM_OPTIONS, SANE_TITLE_NUM_OPTIONS, SANE_DESC_NUM_OPTIONS,
                            SANE_TYPE_INT, SANE_UNIT_NONE, SANE_CAP_SOFT_DETECT);
    d[StandardGroup] = group(SANE_NAME_STANDARD, SANE_TITLE_STANDARD);
    d[Mode] = stringList(SANE_NAME_SCAN_MODE, SANE_TITLE_SCAN_MODE, SANE_DESC_SCAN_MODE, ModeNames,
                         Settable);
    d[Threshold] = ranged(option(SANE_NAME_THRESHOLD, SANE_TITLE_THRESHOLD, SANE_DESC_THRESHOLD,
                                 SANE_TYPE_FIXED, SANE_UNIT_PERCENT, Settable),
                          ThresholdRange);
    d[Resolution] =
        listed(option(SANE_NAME_SCAN_RESOLUTION, SANE_TITLE_SCAN_RESOLUTION,
                      SANE_DESC_SCAN_RESOLUTION, SANE_TYPE_INT, SANE_UNIT_DPI, Settable),
               ResolutionList);
    d[Preview] = option(SANE_NAME_PREVIEW, SANE_TITLE_PREVIEW,
                        "Scan at half the size each way, for a quick look.", SANE_TYPE_BOOL,
                        SANE_UNIT_NONE, Settable);
    d[GeometryGroup] = group(SANE_NAME_GEOMETRY, SANE_TITLE_GEOMETRY);
    d[TopLeftX] = ranged(option(SANE_NAME_SCAN_TL_X, SANE_TITLE_SCAN_TL_X, SANE_DESC_SCAN_TL_X,
                                SANE_TYPE_FIXED, SANE_UNIT_MM, Settable),
                         WidthRange);
    d[TopLeftY] = ranged(option(SANE_NAME_SCAN_TL_Y, SANE_TITLE_SCAN_TL_Y, SANE_DESC_SCAN_TL_Y,
                                SANE_TYPE_FIXED, SANE_UNIT_MM, Settable),
                         HeightRange);
    d[BottomRightX] = ranged(option(SANE_NAME_SCAN_BR_X, SANE_TITLE_SCAN_BR_X, SANE_DESC_SCAN_BR_X,
                                    SANE_TYPE_FIXED, SANE_UNIT_MM, Settable),
                             WidthRange);
    d[BottomRightY] = ranged(option(SANE_NAME_SCAN_BR_Y, SANE_TITLE_SCAN_BR_Y, SANE_DESC_SCAN_BR_Y,
                                    SANE_TYPE_FIXED, SANE_UNIT_MM, Settable),
                             HeightRange);

    constexpr SANE_Int Advanced = Settable | SANE_CAP_ADVANCED;
    d[AdvancedGroup] = group(SANE_NAME_ADVANCED, SANE_TITLE_ADVANCED, SANE_CAP_ADVANCED);
    d[GammaCorrection] = option("gamma-correction", "Gamma correction",
                                "Brighten the picture with the strong tone curve and stronger "
                                "colours, as the program's gamma correction ON does.",
                                SANE_TYPE_BOOL, SANE_UNIT_NONE, Advanced);
    d[Sharpness] = ranged(option("sharpness", "Sharpness",
                                 "From 0, strongest softening, through 3, unchanged, to 6, "
                                 "strongest sharpening, as in the program.",
                                 SANE_TYPE_INT, SANE_UNIT_NONE, Advanced),
                          SharpnessRange);
    d[Lamp] = stringList("lamp", "Lamp", "The camera's lamp: off, the base lamp or the upper lamp.",
                         LampNames, Advanced);
    d[Rotation] = listed(option("rotation", "Rotation",
                                "Turn the camera's picture by 0, 90, 180 or 270 "
                                "degrees.",
                                SANE_TYPE_INT, SANE_UNIT_NONE, Advanced),
                         RotationList);
    d[Negative] = option(SANE_NAME_NEGATIVE, SANE_TITLE_NEGATIVE,
                         "The camera shows its picture as a negative.", SANE_TYPE_BOOL,
                         SANE_UNIT_NONE, Advanced);
    d[ZoomIn] = button("zoom-in", "Zoom in", "Zoom the camera in a step (TELE).");
    d[ZoomOut] = button("zoom-out", "Zoom out", "Zoom the camera out a step (WIDE).");
    d[FocusNear] = button("focus-near", "Focus near", "Move the focus a step nearer (NEAR).");
    d[FocusFar] = button("focus-far", "Focus far", "Move the focus a step farther (FAR).");
    d[Autofocus] = button(SANE_NAME_AUTOFOCUS, SANE_TITLE_AUTOFOCUS,
                          "Let the camera focus by itself now (AF).");
    d[IrisOpen] = button("iris-open", "Open iris", "Open the camera's iris a step.");
    d[IrisClose] = button("iris-close", "Close iris", "Close the camera's iris a step.");
    d[IrisNormal] = button("iris-normal", "Iris normal", "Set the camera's iris back to normal.");
    updateActivity();
}

void ScanOptions::showCameraStatus(const cc::CameraStatus &status)
{
    // A setting the replies leave out of range shows as its first value.
    m_lamp = std::clamp(status.lamp, 0, 2);
    m_rotation = std::clamp(status.rotation, 0, 3);
    m_negative = status.negative;
}

void ScanOptions::updateActivity()
{
    SANE_Int &cap = m_descriptors[Threshold].cap;
    if (m_settings.mode == ScanMode::Lineart)
        cap &= ~SANE_CAP_INACTIVE;
    else
        cap |= SANE_CAP_INACTIVE;
}

const SANE_Option_Descriptor *ScanOptions::descriptor(SANE_Int index) const
{
    if (index < 0 || index >= Count)
        return nullptr;
    return &m_descriptors[std::size_t(index)];
}

SANE_Status ScanOptions::control(SANE_Int index, SANE_Action action, void *value, SANE_Int *info)
{
    if (info)
        *info = 0;
    const SANE_Option_Descriptor *d = descriptor(index);
    if (!d || d->type == SANE_TYPE_GROUP)
        return SANE_STATUS_INVAL;
    if (!SANE_OPTION_IS_ACTIVE(d->cap))
        return SANE_STATUS_INVAL;
    switch (action) {
    case SANE_ACTION_GET_VALUE:
        if (d->type == SANE_TYPE_BUTTON || !value)
            return SANE_STATUS_INVAL;
        return get(Index(index), value);
    case SANE_ACTION_SET_VALUE:
        if (!SANE_OPTION_IS_SETTABLE(d->cap) || (d->type != SANE_TYPE_BUTTON && !value))
            return SANE_STATUS_INVAL;
        return set(Index(index), value, info);
    case SANE_ACTION_SET_AUTO:
        break;
    }
    return SANE_STATUS_INVAL;
}

SANE_Status ScanOptions::get(Index index, void *value) const
{
    auto *word = static_cast<SANE_Word *>(value);
    switch (index) {
    case OptionCount:
        *word = Count;
        break;
    case Mode:
        std::strcpy(static_cast<char *>(value), ModeNames[int(m_settings.mode)]);
        break;
    case Threshold:
        *word = m_settings.threshold;
        break;
    case Resolution:
        *word = ScanSettings::Resolution;
        break;
    case Preview:
        *word = m_settings.preview;
        break;
    case TopLeftX:
        *word = m_settings.left;
        break;
    case TopLeftY:
        *word = m_settings.top;
        break;
    case BottomRightX:
        *word = m_settings.right;
        break;
    case BottomRightY:
        *word = m_settings.bottom;
        break;
    case GammaCorrection:
        *word = m_settings.gammaCorrection;
        break;
    case Sharpness:
        *word = m_settings.sharpnessIndex;
        break;
    case Lamp:
        std::strcpy(static_cast<char *>(value), LampNames[m_lamp]);
        break;
    case Rotation:
        *word = RotationList[1 + m_rotation];
        break;
    case Negative:
        *word = m_negative;
        break;
    default:
        return SANE_STATUS_INVAL;
    }
    return SANE_STATUS_GOOD;
}

SANE_Status ScanOptions::set(Index index, void *value, SANE_Int *info)
{
    const SANE_Option_Descriptor &d = m_descriptors[std::size_t(index)];
    SANE_Int changed = 0;
    SANE_Word word = 0;
    if (d.type == SANE_TYPE_BOOL) {
        word = *static_cast<const SANE_Word *>(value);
        if (word != SANE_FALSE && word != SANE_TRUE)
            return SANE_STATUS_INVAL;
    } else if (d.type == SANE_TYPE_INT || d.type == SANE_TYPE_FIXED) {
        const SANE_Word asked = *static_cast<const SANE_Word *>(value);
        word = constrained(d, asked);
        if (word != asked) {
            changed |= SANE_INFO_INEXACT;
            *static_cast<SANE_Word *>(value) = word;
        }
    } else if (d.type == SANE_TYPE_STRING) {
        word = indexOfName(d.constraint.string_list, static_cast<const char *>(value));
        if (word < 0)
            return SANE_STATUS_INVAL;
    }

    SANE_Status status = SANE_STATUS_GOOD;
    switch (index) {
    case Mode:
        if (ScanMode(word) != m_settings.mode)
            changed |= SANE_INFO_RELOAD_OPTIONS | SANE_INFO_RELOAD_PARAMS;
        m_settings.mode = ScanMode(word);
        updateActivity();
        break;
    case Threshold:
        m_settings.threshold = word;
        break;
    case Resolution:
        break;
    case Preview:
        m_settings.preview = word == SANE_TRUE;
        changed |= SANE_INFO_RELOAD_PARAMS;
        break;
    case TopLeftX:
        m_settings.left = word;
        changed |= SANE_INFO_RELOAD_PARAMS;
        break;
    case TopLeftY:
        m_settings.top = word;
        changed |= SANE_INFO_RELOAD_PARAMS;
        break;
    case BottomRightX:
        m_settings.right = word;
        changed |= SANE_INFO_RELOAD_PARAMS;
        break;
    case BottomRightY:
        m_settings.bottom = word;
        changed |= SANE_INFO_RELOAD_PARAMS;
        break;
    case GammaCorrection:
        m_settings.gammaCorrection = word == SANE_TRUE;
        break;
    case Sharpness:
        m_settings.sharpnessIndex = word;
        break;
    default:
        status = setCamera(index, word);
        break;
    }
    if (info && status == SANE_STATUS_GOOD)
        *info = changed;
    return status;
}

SANE_Status ScanOptions::setCamera(Index index, SANE_Word word)
{
    switch (index) {
    case Lamp:
        if (const SANE_Status s = m_camera.sendControl(cc::formatCommand(cc::Lamp, word));
            s != SANE_STATUS_GOOD)
            return s;
        m_lamp = word;
        return SANE_STATUS_GOOD;
    case Rotation: {
        const int position =
            int(std::find(std::begin(RotationList) + 1, std::end(RotationList), word) -
                std::begin(RotationList)) -
            1;
        if (const SANE_Status s = m_camera.sendControl(cc::formatCommand(cc::Rotation, position));
            s != SANE_STATUS_GOOD)
            return s;
        m_rotation = position;
        return SANE_STATUS_GOOD;
    }
    case Negative:
        if (const SANE_Status s = m_camera.sendControl(cc::formatCommand(cc::NegaPosi, word));
            s != SANE_STATUS_GOOD)
            return s;
        m_negative = word == SANE_TRUE;
        return SANE_STATUS_GOOD;
    case ZoomIn:
        return m_camera.stepMotion(cc::ZoomTele, cc::ZoomStop);
    case ZoomOut:
        return m_camera.stepMotion(cc::ZoomWide, cc::ZoomStop);
    case FocusNear:
        return m_camera.stepMotion(cc::FocusNear, cc::FocusStop);
    case FocusFar:
        return m_camera.stepMotion(cc::FocusFar, cc::FocusStop);
    case IrisOpen:
        return m_camera.stepMotion(cc::IrisOpen, cc::IrisStop);
    case IrisClose:
        return m_camera.stepMotion(cc::IrisClose, cc::IrisStop);
    case Autofocus:
        return m_camera.sendControl(cc::AutoFocus);
    case IrisNormal:
        return m_camera.sendControl(cc::IrisNormal);
    default:
        return SANE_STATUS_INVAL;
    }
}
