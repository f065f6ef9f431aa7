// The protocol words as the device knows them. These tables are deliberately written
// again from the device's side: the panel keeps its own, and a word spelt differently on
// one side shows up as a failing end-to-end test instead of going unnoticed.
#pragma once

#include <QByteArray>
#include <cstddef>

struct SimWords
{
    const char *const *words;
    int count;

    const char *at(int i) const { return (i >= 0 && i < count) ? words[i] : ""; }
    // Position of the exact word, or -1.
    int indexOf(const QByteArray &word) const;
};

template <std::size_t N>
constexpr SimWords SimWordsOf(const char *const (&list)[N])
{
    return SimWords {list, static_cast<int>(N)};
}

extern const SimWords SimOutResolutions; // 16, 15 is USER
extern const SimWords SimHdcpModes;
extern const SimWords SimVkaModes;
extern const SimWords SimOnOff; // 0 ON, 1 OFF
extern const SimWords SimLayouts; // SINGLE PIP PBP 3xWIN 4xWIN
extern const SimWords SimAspects;
extern const SimWords SimPipSizes; // 3 is USER
extern const SimWords SimPipPositions; // 4 is USER
extern const SimWords SimEdidModes;

enum SimLayout { LayoutSingle = 0, LayoutPip, LayoutPbp, Layout3Win, Layout4Win, LayoutCount };
inline constexpr int SimPipPositionUser = 4;
inline constexpr int SimPipSizeUser = 3;

// Windows used by each layout, and how many variants ("MODE n") each layout offers.
inline constexpr int SimWindowsPerLayout[LayoutCount] = {1, 2, 2, 3, 4};
inline constexpr int SimMaxModePerLayout[LayoutCount] = {1, 1, 3, 4, 6};
inline constexpr int SimWindowCount = 4;
inline constexpr int SimSceneCount = 20;
inline constexpr int SimMicCount = 2;
inline constexpr int SimMicVolumeMax = 50;
inline constexpr int SimRectMax = 9999;

// Baud rates the device's RS-232 port can be set to.
inline constexpr int SimBaudRates[] = {9600, 19200, 38400, 57600, 115200};

// Strict unsigned decimal: digits only, at most 9 of them. Returns false otherwise.
bool SimParseUnsigned(const QByteArray &text, int *value);
