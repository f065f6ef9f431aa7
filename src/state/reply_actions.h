// The actions behind the reply keywords, one per kind of reply. Internal to the dispatcher:
// the keyword table in reply_dispatcher.cpp names which action each keyword runs.
#pragma once

#include "state/reply_grammar.h"
#include "state/reply_sinks.h"

#include <QString>

struct ReplyContext
{
    ReplyPart value;
    const ReplySinks &sinks;
};

// Shared steps.
QString Reply_Latin1(std::string_view bytes);
bool Reply_ModelKnown();
void Reply_SyncMessage(StatusLogSink &status, const QString &label);
void Reply_SyncOver(StatusLogSink &status);

// Connection, output, audio and system rows (reply_actions.cpp).
void Reply_VersionText(const ReplyContext &c);
void Reply_OutResolution(const ReplyContext &c);
void Reply_Out4kAuto(const ReplyContext &c);
void Reply_OutHdcp(const ReplyContext &c);
void Reply_OutVka(const ReplyContext &c);
void Reply_OutItc(const ReplyContext &c);
void Reply_UserResolution(const ReplyContext &c);
void Reply_AudioSource(const ReplyContext &c);
void Reply_AudioVolume(const ReplyContext &c);
void Reply_AudioMute(const ReplyContext &c);
void Reply_AudioSwitch(const ReplyContext &c, int channel);
void Reply_MicLevel(const ReplyContext &c, int mic);
void Reply_EdidMode(const ReplyContext &c);
void Reply_UserEdid(const ReplyContext &c);
void Reply_NetworkInfo(const ReplyContext &c);
void Reply_BaudRate(const ReplyContext &c);
void Reply_ModelType(const ReplyContext &c);

// Multiview rows (reply_multiview.cpp).
void Reply_AutoSwitch(const ReplyContext &c);
void Reply_InSource(const ReplyContext &c);
void Reply_InResolution(const ReplyContext &c);
void Reply_Layout(const ReplyContext &c);
void Reply_WindowInput(const ReplyContext &c, int window);
void Reply_PipPosition(const ReplyContext &c);
void Reply_PipSize(const ReplyContext &c);
void Reply_LayoutVariant(const ReplyContext &c);
void Reply_LayoutAspect(const ReplyContext &c);
void Reply_MaxMode(const ReplyContext &c);
void Reply_UserRectangle(const ReplyContext &c);
void Reply_MultiviewSync(const ReplyContext &c);
