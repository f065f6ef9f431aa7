// Device-side protocol vocabularies.
#include "sim_words.h"

namespace {
const char *const OutResolutions[]
    = {"4096x2160p60", "4096x2160p50", "3840x2160p60",   "3840x2160p50",
       "3840x2160p30", "3840x2160p25", "1920x1200p60RB", "1920x1080p60",
       "1920x1080p50", "1360x768p60",  "1280x800p60",    "1280x720p60",
       "1280x720p50",  "1024x768p60",  "AUTO",           "USER"};
const char *const HdcpModes[] = {"FORCE-1.4", "FORCE-2.2", "FORCE-OFF"};
const char *const VkaModes[] = {"BLUESCREEN", "BLACKSCREEN"};
const char *const OnOff[] = {"ON", "OFF"};
const char *const Layouts[] = {"SINGLE", "PIP", "PBP", "3xWIN", "4xWIN"};
const char *const Aspects[] = {"FULL", "16:9"};
const char *const PipSizes[] = {"SMALL", "MIDDLE", "LARGE", "USER"};
const char *const PipPositions[] = {"LeftTop", "RightTop", "LeftBottom", "RightBottom", "USER"};
const char *const EdidModes[] = {
    "4K60-2.0",    "4K60-5.1",    "4K60-7.1",  "4K30-2.0",  "4K30-5.1",  "4K30-7.1", "1080p60-2.0",
    "1080p60-5.1", "1080p60-7.1", "1920x1200", "1680x1050", "1600x1200", "1440x900", "1360x768",
    "1280x1024",   "1024x768",    "720p",      "AUTO",      "USER"};
} // namespace

const SimWords SimOutResolutions = SimWordsOf(OutResolutions);
const SimWords SimHdcpModes = SimWordsOf(HdcpModes);
const SimWords SimVkaModes = SimWordsOf(VkaModes);
const SimWords SimOnOff = SimWordsOf(OnOff);
const SimWords SimLayouts = SimWordsOf(Layouts);
const SimWords SimAspects = SimWordsOf(Aspects);
const SimWords SimPipSizes = SimWordsOf(PipSizes);
const SimWords SimPipPositions = SimWordsOf(PipPositions);
const SimWords SimEdidModes = SimWordsOf(EdidModes);

int SimWords::indexOf(const QByteArray &word) const
{
    for (int i = 0; i < count; ++i) {
        if (word == words[i])
            return i;
    }
    return -1;
}

bool SimParseUnsigned(const QByteArray &text, int *value)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    *value = v;
    return true;
}
