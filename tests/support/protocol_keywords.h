// The reply keywords in the order the panel's dispatcher searches them, and its token rule:
// a keyword matches where its bytes occur followed by a space or CR. Written out by hand in
// the tests, independent of the dispatcher's own table, so that the dispatcher's order and
// the simulator's replies are both checked against one independent reading.
#pragma once

#include <QByteArray>

inline const char *const DispatcherKeywords[] = {"HELP",
                                                 "RESET",
                                                 "VERSION",
                                                 "ARM VERSION",
                                                 "IP ADDRESS",
                                                 "SUBMASK",
                                                 "GATEWAY",
                                                 "NETPORT",
                                                 "AUTO SWITCH",
                                                 "IN SOURCE",
                                                 "IN RESOLUTION",
                                                 "OUT RESOLUTION",
                                                 "OUT BRIGHTNESS",
                                                 "OUT CONTRAST",
                                                 "OUT 4K-AUTO",
                                                 "OUT HDCP",
                                                 "OUT VKA",
                                                 "OUT ITC",
                                                 "MULTIVIEW",
                                                 "WINDOW1 IN",
                                                 "WINDOW2 IN",
                                                 "WINDOW3 IN",
                                                 "WINDOW4 IN",
                                                 "PIP POS",
                                                 "PIP SIZE",
                                                 "PBP MODE",
                                                 "PBP ASPECT",
                                                 "3xWIN MODE",
                                                 "3xWIN ASPECT",
                                                 "4xWIN MODE",
                                                 "4xWIN ASPECT",
                                                 "AUDIO SOURCE",
                                                 "AUDIO VOL",
                                                 "AUDIO-MUTE",
                                                 "KVM",
                                                 "USB ROAMING",
                                                 "IN EDIDMODE",
                                                 "MODEL TYPE",
                                                 "LONG-REACH",
                                                 "USB-HDBT",
                                                 "SAVE SCENE",
                                                 "LOAD SCENE",
                                                 "EDID-USER",
                                                 "RS232-PER",
                                                 "MAXMODE",
                                                 "MULTIVIEW-SYNC",
                                                 "SUB-VERSION",
                                                 "EXPAND-VERSION",
                                                 "KEYBOARD-VERSION",
                                                 "NETWORK-INFO",
                                                 "BAUDRATE",
                                                 "KVM-BORDER",
                                                 "KVM-BORDER-COLOR",
                                                 "OUT TSP",
                                                 "OUT TSP-COLOR",
                                                 "OUT TSP-TIMING",
                                                 "MAIN-AUDIO ONOFF",
                                                 "MIC1 ONOFF",
                                                 "MIC2 ONOFF",
                                                 "MIC1 VOL",
                                                 "MIC2 VOL",
                                                 "DUCKING",
                                                 "FREEZE-WIN1",
                                                 "FREEZE-WIN2",
                                                 "FREEZE-WIN3",
                                                 "FREEZE-WIN4",
                                                 "FREEZE-WINALL",
                                                 "IN STATUS",
                                                 "OUT STATUS",
                                                 "PBP-PRESENTER",
                                                 "PIP USER",
                                                 "RESO-USER"};

// The first keyword the dispatcher would take for a reply line (given without its CR), or
// nullptr when the line is ignored.
inline const char *DispatcherKeyword(const QByteArray &line)
{
    const QByteArray text = line + '\r';
    for (const char *k : DispatcherKeywords) {
        const QByteArray key(k);
        for (int at = text.indexOf(key); at >= 0; at = text.indexOf(key, at + 1)) {
            const char next = text.at(at + key.size());
            if (next == ' ' || next == '\r')
                return k;
        }
    }
    return nullptr;
}
