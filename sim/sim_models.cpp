// Model table of the simulated device family.
#include "sim_models.h"

namespace {
const char *const HaldenInputs[] = {"HDMI1", "HDMI2", "HDMI3", "HDMI4", "USB-C"};
const char *const CorvoInputs[] = {"HDMI1", "HDMI2", "HDMI3", "HDMI4"};
const char *const NineInputs[]
    = {"HDMI1", "HDMI2", "HDMI3", "HDMI4", "HDMI5", "HDMI6", "HDMI7", "DP", "USB-C"};
const char *const BrimoInputs[] = {"HDMI1", "HDMI2", "HDMI3", "DP", "USB-C"};

const char *const HaldenAudio[] = {"WIN1", "HDMI1", "HDMI2", "HDMI3", "HDMI4", "USB-C"};
const char *const CorvoAudio[] = {"WIN1", "HDMI1", "HDMI2", "HDMI3", "HDMI4"};
const char *const MarletAudio[] = {"WIN1",  "HDMI1", "HDMI2", "HDMI3", "HDMI4",  "HDMI5",
                                   "HDMI6", "HDMI7", "DP",    "USB-C", "WIN-KVM"};
const char *const TessinAudio[] = {"WIN1",  "HDMI1", "HDMI2", "HDMI3", "HDMI4", "HDMI5", "HDMI6",
                                   "HDMI7", "DP",    "USB-C", "LR1",   "LR2",   "LR3",   "LR4"};
const char *const BrimoAudio[] = {"WIN1", "HDMI1", "HDMI2", "HDMI3", "DP", "USB-C"};

struct InputFormat
{
    const char *input;
    const char *format;
};
const InputFormat InputFormats[] = {
    {"HDMI1", "1920x1080p60"}, {"HDMI2", "3840x2160p30"}, {"HDMI3", "1280x720p60"},
    {"HDMI4", "1920x1200p60"}, {"HDMI5", "3840x2160p60"}, {"HDMI6", "1920x1080p50"},
    {"HDMI7", "1360x768p60"},  {"DP", "2560x1440p60"},    {"USB-C", "1920x1080p60"},
};
} // namespace

const SimModel SimModels[SimModelCount] = {
    {"Halden", SimWordsOf(HaldenInputs), SimWordsOf(HaldenAudio), 100, true, false, "V2.14",
     "V1.07", "V1.03", nullptr},
    {"Corvo", SimWordsOf(CorvoInputs), SimWordsOf(CorvoAudio), 100, false, false, "V1.22", "V1.05",
     nullptr, nullptr},
    {"Marlet", SimWordsOf(NineInputs), SimWordsOf(MarletAudio), 100, true, false, "V3.02", "V2.11",
     "V1.09", "V1.01"},
    {"Tessin", SimWordsOf(NineInputs), SimWordsOf(TessinAudio), 50, true, true, "V3.15", "V2.04",
     nullptr, "V1.12"},
    {"Brimo", SimWordsOf(BrimoInputs), SimWordsOf(BrimoAudio), 100, true, false, "V1.40", "V1.02",
     nullptr, nullptr},
};

int SimModelIndex(const QByteArray &name)
{
    for (int i = 0; i < SimModelCount; ++i) {
        if (name.compare(SimModels[i].name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const char *SimInputResolution(const QByteArray &inputWord)
{
    for (const InputFormat &f : InputFormats) {
        if (inputWord == f.input)
            return f.format;
    }
    return "NO-SIGNAL";
}
