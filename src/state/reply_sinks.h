// Where the reply dispatcher's results go: the device values, through one small interface per
// page, and the few things only the user interface does (ReplyVerbs). The pages implement their
// own value interface; a ReplyFanOut hands the same values to more listeners (a status bar, a
// profile recorder). Free of widget types, so the protocol logic builds and tests without a
// window. Every index handed out is a position in the vocabulary the call names (vocabulary.h).
#pragma once

#include <QString>
#include <QtGlobal>

// The connection page's status log: one line per synchronised setting.
class StatusLogSink
{
public:
    virtual ~StatusLogSink() = default;
    virtual void connectionAppendStatus(const QString &text) = 0;
};

class OutputSink
{
public:
    virtual ~OutputSink() = default;
    virtual void outputSetResolution(int index) = 0; // OutResolutionWords
    virtual void outputSet4kAuto(int index) = 0; // OnOffWords
    virtual void outputSetHdcp(int index) = 0; // HdcpWords
    virtual void outputSetVka(int index) = 0; // VkaWords
    virtual void outputSetItc(int index) = 0; // OnOffWords
    virtual void outputSetUserResolution(quint32 width, quint32 height) = 0;
};

class MultiviewSink
{
public:
    virtual ~MultiviewSink() = default;
    // readSync: a bare layout reply, after which the page asks for the whole configuration; the
    // restatement itself passes false.
    virtual void multiviewSetLayout(quint32 mode, bool readSync) = 0; // MultiviewModeWords
    virtual void multiviewSetWindowSource(int window, int source) = 0; // WindowInputWords[model]
    virtual void multiviewSetAutoSwitch(int index) = 0; // OnOffWords
    virtual void multiviewSetInputResolutionText(const QString &text) = 0;
    virtual void multiviewSetUserRectangle(quint32 hStart, quint32 vStart, quint32 hSize,
                                           quint32 vSize)
        = 0;
    virtual void multiviewSetVariantCount(quint32 count) = 0;
    virtual void multiviewSetLayoutVariant(int index) = 0; // zero-based
    virtual void multiviewSetPipPosition(int index) = 0; // PipPositionWords
    virtual void multiviewSetPipSize(int index) = 0; // PipSizeWords
    virtual void multiviewSetAspect(int index) = 0; // AspectWords
};

class AudioSink
{
public:
    virtual ~AudioSink() = default;
    virtual void audioSetSource(int index) = 0; // AudioSourceWords[model]
    virtual void audioSetVolume(int volume) = 0;
    virtual void audioSetMute(int index) = 0; // OnOffWords
    virtual void audioSetMicLevel(int mic, int level) = 0; // mic 0 or 1
    virtual void audioSetSwitch(int channel, int index) = 0; // 0 main, 1 mic 1, 2 mic 2; OnOffWords
};

class SystemSink
{
public:
    virtual ~SystemSink() = default;
    virtual void systemSetEdidSelection(int index) = 0; // EdidModeWords
    virtual void systemSetVersionText(const QString &text) = 0;
    virtual void systemUserEdidWritten() = 0;
    virtual void systemSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                                      const QString &gateway)
        = 0;
    virtual void systemSetBaudRate(qint32 baudRate) = 0;
};

// What the dispatcher asks of the user interface itself, once per event: the outcome of the
// identification, closing the link, a message, and the pages' model rebuild and read-all.
class ReplyVerbs
{
public:
    virtual ~ReplyVerbs() = default;
    virtual void connectionShowIdentifyResult(bool ok) = 0;
    virtual void connectionPressActiveConnectButton() = 0; // closes the active link
    virtual void showMessageBox(const QString &text) = 0; // at the main window's position
    virtual void outputApplyModel() = 0;
    virtual void multiviewApplyModel() = 0;
    virtual void audioApplyModel() = 0;
    virtual void systemApplyModel() = 0;
    virtual void outputPressReadAll() = 0;
    virtual void multiviewPressReadAll() = 0;
    virtual void audioPressReadAll() = 0;
    virtual void systemPressReadAll() = 0;
};

// The targets of one dispatch.
struct ReplySinks
{
    StatusLogSink &status;
    OutputSink &output;
    MultiviewSink &multiview;
    AudioSink &audio;
    SystemSink &system;
    ReplyVerbs &verbs;
};
