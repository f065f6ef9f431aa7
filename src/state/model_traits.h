// What differs between the five device models and what the window layouts mean, in one place:
// the model and layout numbers as DeviceState holds them, and the per-model facts (features,
// firmware parts, volume range, inputs) that the builders, the dispatcher and the pages ask.
// The protocol words of each model live in vocabulary.h.
#pragma once

#include <QtGlobal>

// Models, as DeviceState::modelIndex holds them; NoModel until one is identified.
inline constexpr quint8 ModelHalden = 0;
inline constexpr quint8 ModelCorvo = 1;
inline constexpr quint8 ModelMarlet = 2;
inline constexpr quint8 ModelTessin = 3;
inline constexpr quint8 ModelBrimo = 4;
inline constexpr int ModelCount = 5;
inline constexpr quint8 NoModel = 5;

// Window layouts, as DeviceState::multiviewMode holds them.
inline constexpr quint32 ModeSingle = 0;
inline constexpr quint32 ModePip = 1;
inline constexpr quint32 ModePbp = 2;
inline constexpr quint32 Mode3xWin = 3;
inline constexpr quint32 Mode4xWin = 4;
inline constexpr int ModeCount = 5;

// Windows each layout uses: SINGLE, PIP, PBP, 3xWIN, 4xWIN.
inline constexpr int WindowsPerMode[ModeCount] = {1, 2, 2, 3, 4};
inline constexpr int WindowCount = 4;

// Windows of a layout, 4 for any value past the last layout.
constexpr int Mode_WindowCount(quint32 mode)
{
    return mode < quint32(ModeCount) ? WindowsPerMode[mode] : WindowCount;
}

// PBP, 3xWIN and 4xWIN carry an aspect and a numbered variant of their own.
constexpr bool Mode_HasVariants(quint32 mode)
{
    return mode >= ModePbp && mode <= Mode4xWin;
}

// The PIP window's corner and size, as DeviceState::pipPosition and pipSize hold them. USER
// stands for the free rectangle; a position and a size leaving USER fall back to these.
inline constexpr quint32 PipPositionRightBottom = 3;
inline constexpr quint32 PipPositionUser = 4;
inline constexpr quint32 PipSizeLarge = 2;
inline constexpr quint32 PipSizeUser = 3;

// PBP's third variant (zero-based 2) shows a captured part of window 1 in a free rectangle.
inline constexpr qint32 PbpPresenterVariant = 2;
// The device offers at most six variants of a layout.
inline constexpr qint32 MaxLayoutVariants = 6;

// The free rectangle of a layout: in PIP with a USER position or size it places window 2 (the
// displayed window); in PBP's presenter variant it is the captured part of window 1.
enum class UserRectangleKind { Hidden, Window1Capture, Window2Display };
constexpr UserRectangleKind Mode_UserRectangle(quint32 mode, quint32 pipPosition, quint32 pipSize,
                                               qint32 variant)
{
    if (mode == ModePip && (pipPosition == PipPositionUser || pipSize == PipSizeUser))
        return UserRectangleKind::Window2Display;
    if (mode == ModePbp && variant == PbpPresenterVariant)
        return UserRectangleKind::Window1Capture;
    return UserRectangleKind::Hidden;
}

// Position of "USER" in the output resolutions.
inline constexpr int OutResolutionUser = 15;

// Firmware parts that report a version, in the order of the version queries.
enum FirmwareKind { FirmwareMain = 0, FirmwareSub, FirmwareExpand, FirmwareKeyboard };
inline constexpr int FirmwareKindCount = 4;

constexpr bool Model_Known(quint8 model)
{
    return model < ModelCount;
}

// Every model but the Corvo has the 4K AUTO output setting; before identification it is offered.
constexpr bool Model_Has4kAuto(quint8 model)
{
    return model != ModelCorvo;
}

// The Tessin has the main-audio switch and two microphones (and lays its audio page out in groups).
constexpr bool Model_HasMicrophones(quint8 model)
{
    return model == ModelTessin;
}

// Models with a network port of their own, whose settings the panel can read and write.
constexpr bool Model_HasNetwork(quint8 model)
{
    return model == ModelHalden || model == ModelMarlet || model == ModelTessin;
}

// Whether the model reports the version of the firmware part.
constexpr bool Model_HasFirmware(quint8 model, int kind)
{
    switch (kind) {
    case FirmwareMain:
    case FirmwareSub:
        return Model_Known(model);
    case FirmwareExpand:
        return model == ModelHalden || model == ModelMarlet;
    case FirmwareKeyboard:
        return model == ModelMarlet || model == ModelTessin;
    default:
        return false;
    }
}

// Highest audio volume the model takes (100 before identification).
constexpr int Model_VolumeMaximum(quint8 model)
{
    return model == ModelTessin ? 50 : 100;
}
inline constexpr int MicVolumeMaximum = 50;

// Inputs a window can show: the length of the model's window-input list, 0 without a model.
constexpr qint32 Model_InputCount(quint8 model)
{
    constexpr qint32 counts[ModelCount] = {5, 4, 9, 9, 5};
    return Model_Known(model) ? counts[model] : 0;
}
inline constexpr int MaxInputSources = 9;
