// What each device page asks of the device, without widgets: the burst of queries behind a
// page's read-all, and the commands that follow from a value the device reported or from an
// operator's choice that drags another setting along. The pages call these; a command-line
// program or a profile engine calls the same functions and gets the same commands in the same
// order. Like the builders they only queue on the active link (GUI thread); the caller then
// triggers the send.
#pragma once

#include "state/model_traits.h"

#include <QtGlobal>

// Output: resolution, HDCP, VKA, ITC, then 4K AUTO (which a Corvo does not have).
void Request_OutputReadAll();
// Multiview: the whole configuration in one restatement.
void Request_MultiviewReadAll();
// Audio: source, volume and mute; on a model with microphones also the main-audio switch and
// each microphone's switch and level.
void Request_AudioReadAll();
// System: the EDID choice, then the device's settings of the link in use (network over TCP,
// baud rate over RS-232) as a query. True when such a query was queued.
bool Request_SystemReadAll();

// The device's network or baud-rate settings, asked as a query: their reply then refreshes
// the panel's own link settings without telling the operator to reconnect.
void Request_NetworkQuery();
void Request_BaudRateQuery();

// The device reported its output resolution: USER asks for the user resolution. True when
// the resolution is USER.
bool Request_AfterOutputResolution(int index);

// The device reported its layout: it becomes DeviceState::multiviewMode, and after a bare
// layout reply (readSync) the whole configuration is asked for.
void Request_AfterLayout(quint32 mode, bool readSync);

// The free rectangle of the device's current layout, asked for whenever the layout has one
// (it may have changed with a scene or on the device itself). Hidden: nothing is queued.
UserRectangleKind Request_UserRectangle();

// The operator chose a PIP position (size). A USER position and a USER size describe one free
// rectangle, so choosing USER on one side makes the other USER too, and leaving USER on one
// side while the other shows USER (the shown value is passed in) moves the other to a fixed
// value (size LARGE, position RightBottom). The other side is stored in DeviceState at once;
// only the chosen side's command is queued. Returns the other side's new value, or -1.
int Request_PipPosition(int position, int sizeShown);
int Request_PipSize(int size, int positionShown);
