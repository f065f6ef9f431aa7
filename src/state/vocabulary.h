// The device's protocol words, shared by the command builders (which send them) and the
// reply dispatcher (which looks them up). One definition, so both sides stay in step.
// The position of a word in its list is the value the pages and DeviceState use.
#pragma once

#include "state/model_traits.h"

#include <cstddef>

template <std::size_t N>
constexpr int WordCount(const char *const (&)[N])
{
    return static_cast<int>(N);
}

inline constexpr const char *OutResolutionWords[]
    = {"4096x2160p60", "4096x2160p50", "3840x2160p60",   "3840x2160p50",
       "3840x2160p30", "3840x2160p25", "1920x1200p60RB", "1920x1080p60",
       "1920x1080p50", "1360x768p60",  "1280x800p60",    "1280x720p60",
       "1280x720p50",  "1024x768p60",  "AUTO",           "USER"};
inline constexpr const char *HdcpWords[] = {"FORCE-1.4", "FORCE-2.2", "FORCE-OFF"};
inline constexpr const char *VkaWords[] = {"BLUESCREEN", "BLACKSCREEN"};
inline constexpr const char *OnOffWords[] = {"ON", "OFF"};
inline constexpr const char *MultiviewModeWords[] = {"SINGLE", "PIP", "PBP", "3xWIN", "4xWIN"};
inline constexpr const char *AspectWords[] = {"FULL", "16:9"};
inline constexpr const char *PipSizeWords[] = {"SMALL", "MIDDLE", "LARGE", "USER"};
inline constexpr const char *PipPositionWords[]
    = {"LeftTop", "RightTop", "LeftBottom", "RightBottom", "USER"};
inline constexpr const char *EdidModeWords[] = {
    "4K60-2.0",    "4K60-5.1",    "4K60-7.1",  "4K30-2.0",  "4K30-5.1",  "4K30-7.1", "1080p60-2.0",
    "1080p60-5.1", "1080p60-7.1", "1920x1200", "1680x1050", "1600x1200", "1440x900", "1360x768",
    "1280x1024",   "1024x768",    "720p",      "AUTO",      "USER"};
inline constexpr const char *WindowWords[] = {"WINDOW1", "WINDOW2", "WINDOW3", "WINDOW4"};

// Per-model tables, indexed by DeviceState::modelIndex (model_traits.h).
inline constexpr const char *ModelNames[] = {"Halden", "Corvo", "Marlet", "Tessin", "Brimo"};

struct WordList
{
    const char *const *words;
    int count;
};

namespace vocabulary_detail {
inline constexpr const char *HaldenInputs[] = {"HDMI1", "HDMI2", "HDMI3", "HDMI4", "USB-C"};
inline constexpr const char *CorvoInputs[] = {"HDMI1", "HDMI2", "HDMI3", "HDMI4"};
inline constexpr const char *NineInputs[]
    = {"HDMI1", "HDMI2", "HDMI3", "HDMI4", "HDMI5", "HDMI6", "HDMI7", "DP", "USB-C"};
inline constexpr const char *BrimoInputs[] = {"HDMI1", "HDMI2", "HDMI3", "DP", "USB-C"};

inline constexpr const char *HaldenAudio[] = {"WIN1", "HDMI1", "HDMI2", "HDMI3", "HDMI4", "USB-C"};
inline constexpr const char *CorvoAudio[] = {"WIN1", "HDMI1", "HDMI2", "HDMI3", "HDMI4"};
inline constexpr const char *MarletAudio[] = {"WIN1",  "HDMI1", "HDMI2", "HDMI3", "HDMI4",  "HDMI5",
                                              "HDMI6", "HDMI7", "DP",    "USB-C", "WIN-KVM"};
inline constexpr const char *TessinAudio[]
    = {"WIN1",  "HDMI1", "HDMI2", "HDMI3", "HDMI4", "HDMI5", "HDMI6",
       "HDMI7", "DP",    "USB-C", "LR1",   "LR2",   "LR3",   "LR4"};
inline constexpr const char *BrimoAudio[] = {"WIN1", "HDMI1", "HDMI2", "HDMI3", "DP", "USB-C"};
} // namespace vocabulary_detail

inline constexpr WordList WindowInputWords[ModelCount] = {
    {vocabulary_detail::HaldenInputs, WordCount(vocabulary_detail::HaldenInputs)},
    {vocabulary_detail::CorvoInputs, WordCount(vocabulary_detail::CorvoInputs)},
    {vocabulary_detail::NineInputs, WordCount(vocabulary_detail::NineInputs)},
    {vocabulary_detail::NineInputs, WordCount(vocabulary_detail::NineInputs)},
    {vocabulary_detail::BrimoInputs, WordCount(vocabulary_detail::BrimoInputs)},
};
inline constexpr WordList AudioSourceWords[ModelCount] = {
    {vocabulary_detail::HaldenAudio, WordCount(vocabulary_detail::HaldenAudio)},
    {vocabulary_detail::CorvoAudio, WordCount(vocabulary_detail::CorvoAudio)},
    {vocabulary_detail::MarletAudio, WordCount(vocabulary_detail::MarletAudio)},
    {vocabulary_detail::TessinAudio, WordCount(vocabulary_detail::TessinAudio)},
    {vocabulary_detail::BrimoAudio, WordCount(vocabulary_detail::BrimoAudio)},
};
