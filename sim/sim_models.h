// What differs between the five device models: inputs, audio sources, volume range,
// optional features and the firmware parts that report a version.
#pragma once

#include "sim/sim_words.h"

#include <QByteArray>

struct SimModel
{
    const char *name;
    SimWords inputs; // window sources, in the device's order
    SimWords audioSources;
    int volumeMax;
    bool has4kAuto;
    bool hasMicrophones; // also the main-audio switch
    const char *mainVersion;
    const char *subVersion;
    const char *expandVersion; // nullptr: the model has no expansion board
    const char *keyboardVersion; // nullptr: no keyboard processor
};

inline constexpr int SimModelCount = 5;
extern const SimModel SimModels[SimModelCount];

// Index of the model by its name, compared without regard to case; -1 when unknown.
int SimModelIndex(const QByteArray &name);

// The picture format each input reports while a source is attached ("1920x1080p60").
const char *SimInputResolution(const QByteArray &inputWord);
