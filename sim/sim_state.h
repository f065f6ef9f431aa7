// The settings one simulated device keeps, with their factory values.
#pragma once

#include "sim/sim_words.h"

#include <QByteArray>
#include <array>
#include <optional>

// What a scene stores: the whole multiview arrangement.
struct SimMultiview
{
    int layout = LayoutSingle;
    std::array<int, SimWindowCount> windowSource = {0, 1, 2, 3}; // index into the model's inputs
    // Aspect and variant are kept per layout: PBP, 3xWIN, 4xWIN (layout - LayoutPbp).
    std::array<int, 3> aspect = {0, 0, 0};
    std::array<int, 3> variant = {1, 1, 1}; // one-based, as on the wire
    int pipPosition = 3; // RightBottom
    int pipSize = 0; // SMALL
    std::array<int, 4> pipUser = {1440, 810, 480, 270};
    std::array<int, 4> pbpPresenter = {0, 0, 960, 1080};

    bool operator==(const SimMultiview &o) const;
};

// The device's own network settings. They are only reported: the simulator keeps serving on
// the socket it was started with.
struct SimNetworkInfo
{
    QByteArray ip = "192.168.0.247";
    QByteArray port = "2000";
    QByteArray mask = "255.255.255.0";
    QByteArray gateway = "192.168.0.1";
};

struct SimState
{
    int outResolution = 7; // 1920x1080p60
    std::array<int, 2> resoUser = {1920, 1080};
    int hdcp = 0;
    int vka = 0;
    int itc = 1; // OFF
    int fourKAuto = 0; // ON
    SimMultiview multiview;
    int autoSwitch = 1; // OFF
    int audioSource = 0; // WIN1
    int volume = 50;
    int audioMute = 1; // OFF
    int mainAudio = 0; // ON
    std::array<int, SimMicCount> micSwitch = {1, 1}; // OFF
    std::array<int, SimMicCount> micVolume = {10, 10};
    int edidMode = 17; // AUTO
    QByteArray userEdid = QByteArray(256, '\0');
    SimNetworkInfo network;
    int baudRate = 9600;
    std::array<std::optional<SimMultiview>, SimSceneCount> scenes;
};

// Factory settings of a model: volume starts at half its range.
SimState SimFactoryState(int modelIndex, const SimNetworkInfo &network);
