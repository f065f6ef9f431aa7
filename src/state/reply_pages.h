// What the reply dispatcher may do to the user interface. The main window implements it by
// forwarding each call to the page that owns the widget; tests implement it with a recorder.
// Kept free of widget types so that the protocol logic builds and tests without a window.
// Every index handed out is a position in the vocabulary the call names (vocabulary.h).
#pragma once

#include <QString>
#include <QtGlobal>

class ReplyPages
{
public:
    virtual ~ReplyPages() = default;

    // Connection page and main window.
    virtual void connectionAppendStatus(const QString &text) = 0; // one status-log line
    virtual void connectionShowIdentifyResult(bool ok) = 0;
    virtual void connectionPressActiveConnectButton() = 0; // closes the active link
    virtual void showMessageBox(const QString &text) = 0; // at the main window's position

    // Output page.
    virtual void outputApplyModel() = 0;
    virtual void outputPressReadAll() = 0;
    virtual void outputSetResolution(int index) = 0; // OutResolutionWords
    virtual void outputSet4kAuto(int index) = 0; // OnOffWords
    virtual void outputSetHdcp(int index) = 0; // HdcpWords
    virtual void outputSetVka(int index) = 0; // VkaWords
    virtual void outputSetItc(int index) = 0; // OnOffWords
    virtual void outputSetUserResolution(quint32 width, quint32 height) = 0;

    // Multiview page.
    virtual void multiviewApplyModel() = 0;
    virtual void multiviewPressReadAll() = 0;
    // readSync: the page asks for the whole configuration after a bare layout reply; the
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

    // Audio page.
    virtual void audioApplyModel() = 0;
    virtual void audioPressReadAll() = 0;
    virtual void audioSetSource(int index) = 0; // AudioSourceWords[model]
    virtual void audioSetVolume(int volume) = 0;
    virtual void audioSetMute(int index) = 0; // OnOffWords
    virtual void audioSetMicLevel(int mic, int level) = 0; // mic 0 or 1
    virtual void audioSetSwitch(int channel, int index) = 0; // 0 main, 1 mic 1, 2 mic 2; OnOffWords

    // System page.
    virtual void systemApplyModel() = 0;
    virtual void systemPressReadAll() = 0;
    virtual void systemSetEdidSelection(int index) = 0; // EdidModeWords
    virtual void systemSetVersionText(const QString &text) = 0;
    virtual void systemUserEdidWritten() = 0;
    virtual void systemSetNetworkInfo(const QString &ip, const QString &port, const QString &mask,
                                      const QString &gateway)
        = 0;
    virtual void systemSetBaudRate(qint32 baudRate) = 0;
};
