// The device's command vocabulary: one builder per command. Each composes the command text,
// the expected reply and the pacing and queues it on the active link (GUI thread); none waits
// for or reads the reply. Builders that depend on the layout or the model consult DeviceState
// and send nothing when the command does not apply; table indexes outside their table send
// nothing either. After queuing, the page emits SGL_UpdateEmit() so the link starts sending.
#pragma once

#include <QtGlobal>

class QString;

// Output
void CmdSetOutResolution(int index); // then holds the queue 10 s
void CmdGetOutResolution();
void CmdSetResoUser(int width, int height); // then holds the queue 10 s
void CmdGetResoUser();
void CmdSetOutHdcp(int index);
void CmdGetOutHdcp();
void CmdSetOutVka(int index);
void CmdGetOutVka();
void CmdSetOutItc(int index);
void CmdGetOutItc();
void CmdSetOut4kAuto(int index);
void CmdGetOut4kAuto(); // nothing on a Corvo

// Multiview
void CmdSetMultiview(int index);
void CmdGetMultiview();
void CmdGetMultiviewSync();
void CmdSetAspect(int index); // PBP, 3xWIN and 4xWIN only
void CmdGetAspect();
void CmdSetMode(int n);
void CmdGetMode();
void CmdSetPipPos(int index); // PIP only
void CmdGetPipPos();
void CmdSetPipSize(int index);
void CmdGetPipSize();
void CmdSetUserLayout(int a, int b, int c, int d); // PIP with a USER position or size, or
void CmdGetUserLayout(); //                           PBP in its third variant
void CmdSetSaveScene(int n);
void CmdSetLoadScene(int n);
void CmdGetInResolution(); // SINGLE only
void CmdSetAutoSwitch(int index);
void CmdGetAutoSwitch();
void CmdSetWindowIn(unsigned window, unsigned source); // needs an identified model
void CmdGetWindowIn(unsigned window); // windows of the current layout only

// Audio
void CmdSetAudioSource(unsigned index); // needs an identified model
void CmdGetAudioSource();
void CmdSetAudioVol(unsigned volume); // up to the model's maximum
void CmdSetAudioVolUp();
void CmdSetAudioVolDown();
void CmdGetAudioVol();
void CmdSetAudioMute(int index);
void CmdGetAudioMute();
void CmdSetMainAudioOnoff(int index);
void CmdGetMainAudioOnoff();
void CmdSetMicOnoff(int mic, int index); // mic from 0
void CmdGetMicOnoff(int mic);
void CmdSetMicVol(int mic, unsigned volume); // up to 50
void CmdSetMicVolUp(int mic);
void CmdSetMicVolDown(int mic);
void CmdGetMicVol(int mic);

// System
void CmdGetModelType();
// "GET MODEL TYPE" for an idle link's keep-alive: its time-out is not reported as text.
// Returns the command's id (0: not queued).
quint64 CmdKeepAlive();
void CmdSetInEdidMode(int index);
void CmdGetInEdidMode();
constexpr int EdidSize = 256;
void CmdSetEdidUser(const quint8 *edid); // EdidSize bytes
void CmdSetReset(); // then holds the queue 10 s
void CmdGetVersion(int kind); // 0 main, 1 sub, 2 expand, 3 keyboard
void CmdSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                       const QString &gateway);
void CmdGetNetworkInfo();
void CmdSetBaudrate(int baud);
void CmdGetBaudrate();
