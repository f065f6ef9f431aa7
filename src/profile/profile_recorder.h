// Collects what the reply dispatcher hands out (vocabulary indexes and numbers) into a
// profile of canonical settings. Values outside the model's lists or limits are not taken:
// they are listed instead, so a profile written from a recording always reads back.
#pragma once

#include "profile/profile.h"

#include <QString>
#include <QStringList>

class ProfileRecorder
{
public:
    // Forgets everything; model is the identified device's (0 Halden .. 4 Brimo).
    void start(int model);

    int model() const { return m_profile.model; }
    // Everything recorded, whatever the layout.
    const Profile &raw() const { return m_profile; }
    // The recording as a profile: settings that do not fit the recorded layout dropped.
    Profile profile() const;
    // Reported values that could not be taken, in plain words.
    const QStringList &problems() const { return m_problems; }
    // The last firmware version text reported, and whether one came since clearVersion().
    QString versionText() const { return m_version; }
    void clearVersion() { m_version.clear(); }

    void outputResolution(int index);
    void userResolution(quint32 width, quint32 height);
    void outputHdcp(int index);
    void outputVka(int index);
    void outputItc(int index);
    void output4kAuto(int index);

    void layout(quint32 mode);
    void windowSource(int window, int source);
    void autoSwitch(int index);
    void userRectangle(quint32 hStart, quint32 vStart, quint32 hSize, quint32 vSize);
    void layoutVariant(int zeroBased);
    void pipPosition(int index);
    void pipSize(int index);
    void aspect(int index);

    void audioSource(int index);
    void volume(int volume);
    void mute(int index);
    void micLevel(int mic, int level);
    void audioSwitch(int channel, int index); // 0 main, 1 mic 1, 2 mic 2

    void edidMode(int index);
    void networkInfo(const QString &ip, const QString &port, const QString &mask,
                     const QString &gateway);
    void baudRate(qint32 baud);
    void versionText(const QString &text) { m_version = text; }

private:
    void word(SettingId id, int index);
    void take(SettingId id, const QString &value);

    Profile m_profile;
    QStringList m_problems;
    QString m_version;
};
