#include "state/reply_dispatcher.h"

#include "state/reply_actions.h"

#include <QVarLengthArray>

#include <array>

namespace {

using ReplyAction = void (*)(const ReplyContext &);

struct KeywordRow
{
    std::string_view keyword;
    ReplyAction action; // nullptr: recognised, ends the search, does nothing
};

// The search order matters: a line is taken by the first keyword found anywhere in it, so
// "VERSION" also takes "ARM VERSION" and "SUB-VERSION" lines (same action).
const KeywordRow KeywordTable[] = {
    {"HELP", nullptr},
    {"RESET", nullptr},
    {"VERSION", Reply_VersionText},
    {"ARM VERSION", Reply_VersionText},
    {"IP ADDRESS", nullptr},
    {"SUBMASK", nullptr},
    {"GATEWAY", nullptr},
    {"NETPORT", nullptr},
    {"AUTO SWITCH", Reply_AutoSwitch},
    {"IN SOURCE", Reply_InSource},
    {"IN RESOLUTION", Reply_InResolution},
    {"OUT RESOLUTION", Reply_OutResolution},
    {"OUT BRIGHTNESS", nullptr},
    {"OUT CONTRAST", nullptr},
    {"OUT 4K-AUTO", Reply_Out4kAuto},
    {"OUT HDCP", Reply_OutHdcp},
    {"OUT VKA", Reply_OutVka},
    {"OUT ITC", Reply_OutItc},
    {"MULTIVIEW", Reply_Layout},
    {"WINDOW1 IN", [](const ReplyContext &c) { Reply_WindowInput(c, 0); }},
    {"WINDOW2 IN", [](const ReplyContext &c) { Reply_WindowInput(c, 1); }},
    {"WINDOW3 IN", [](const ReplyContext &c) { Reply_WindowInput(c, 2); }},
    {"WINDOW4 IN", [](const ReplyContext &c) { Reply_WindowInput(c, 3); }},
    {"PIP POS", Reply_PipPosition},
    {"PIP SIZE", Reply_PipSize},
    {"PBP MODE", Reply_LayoutVariant},
    {"PBP ASPECT", Reply_LayoutAspect},
    {"3xWIN MODE", Reply_LayoutVariant},
    {"3xWIN ASPECT", Reply_LayoutAspect},
    {"4xWIN MODE", Reply_LayoutVariant},
    {"4xWIN ASPECT", Reply_LayoutAspect},
    {"AUDIO SOURCE", Reply_AudioSource},
    {"AUDIO VOL", Reply_AudioVolume},
    {"AUDIO-MUTE", Reply_AudioMute},
    {"KVM", nullptr},
    {"USB ROAMING", nullptr},
    {"IN EDIDMODE", Reply_EdidMode},
    {"MODEL TYPE", Reply_ModelType},
    {"LONG-REACH", nullptr},
    {"USB-HDBT", nullptr},
    {"SAVE SCENE", nullptr},
    {"LOAD SCENE", nullptr},
    {"EDID-USER", Reply_UserEdid},
    {"RS232-PER", nullptr},
    {"MAXMODE", Reply_MaxMode},
    {"MULTIVIEW-SYNC", Reply_MultiviewSync},
    {"SUB-VERSION", Reply_VersionText},
    {"EXPAND-VERSION", Reply_VersionText},
    {"KEYBOARD-VERSION", Reply_VersionText},
    {"NETWORK-INFO", Reply_NetworkInfo},
    {"BAUDRATE", Reply_BaudRate},
    {"KVM-BORDER", nullptr},
    {"KVM-BORDER-COLOR", nullptr},
    {"OUT TSP", nullptr},
    {"OUT TSP-COLOR", nullptr},
    {"OUT TSP-TIMING", nullptr},
    {"MAIN-AUDIO ONOFF", [](const ReplyContext &c) { Reply_AudioSwitch(c, 0); }},
    {"MIC1 ONOFF", [](const ReplyContext &c) { Reply_AudioSwitch(c, 1); }},
    {"MIC2 ONOFF", [](const ReplyContext &c) { Reply_AudioSwitch(c, 2); }},
    {"MIC1 VOL", [](const ReplyContext &c) { Reply_MicLevel(c, 0); }},
    {"MIC2 VOL", [](const ReplyContext &c) { Reply_MicLevel(c, 1); }},
    {"DUCKING", nullptr},
    {"FREEZE-WIN1", nullptr},
    {"FREEZE-WIN2", nullptr},
    {"FREEZE-WIN3", nullptr},
    {"FREEZE-WIN4", nullptr},
    {"FREEZE-WINALL", nullptr},
    {"IN STATUS", nullptr},
    {"OUT STATUS", nullptr},
    {"PBP-PRESENTER", Reply_UserRectangle},
    {"PIP USER", Reply_UserRectangle},
    {"RESO-USER", Reply_UserResolution},
};
constexpr int KeywordTableSize = sizeof(KeywordTable) / sizeof(KeywordTable[0]);
static_assert(KeywordTableSize == 72, "the device protocol has 72 reply keywords");

// Every token ends just before a space or CR, so only those positions can end a keyword, and
// only keywords whose last byte stands just before such a position can end there. Indexing
// the keywords by their last byte once lets a line be matched in one pass over its bytes;
// the rule itself stays Reply_TokenEndsAt, and the keyword that wins is still the first of
// the table (then its first position in the line).
const std::array<QVarLengthArray<qint8, 8>, 256> &KeywordsByLastByte()
{
    static const auto table = [] {
        std::array<QVarLengthArray<qint8, 8>, 256> byLast;
        for (int k = 0; k < KeywordTableSize; ++k)
            byLast[static_cast<unsigned char>(KeywordTable[k].keyword.back())].append(qint8(k));
        return byLast;
    }();
    return table;
}

int FindKeyword(std::string_view line, std::size_t *keywordPos)
{
    const auto &byLast = KeywordsByLastByte();
    int best = -1;
    for (std::size_t end = 1; end < line.size(); ++end) {
        if (!Reply_IsTokenEnd(line[end]))
            continue;
        for (const qint8 k : byLast[static_cast<unsigned char>(line[end - 1])]) {
            if (best >= 0 && k >= best)
                break; // an earlier keyword already matched
            const std::string_view keyword = KeywordTable[k].keyword;
            if (Reply_TokenEndsAt(line, end, keyword)) {
                best = k;
                *keywordPos = end - keyword.size();
                break;
            }
        }
    }
    return best;
}

} // namespace

int Reply_DispatchBytes(std::string_view line, const ReplySinks &sinks)
{
    std::size_t keywordPos = 0;
    const int k = FindKeyword(line, &keywordPos);
    if (k < 0)
        return -1;
    const KeywordRow &row = KeywordTable[k];
    if (row.action)
        row.action({Reply_Value(line, keywordPos, row.keyword.size()), sinks});
    return k;
}

int Reply_Dispatch(const QString &line, const ReplySinks &sinks)
{
    const QByteArray bytes = line.toLatin1();
    return Reply_DispatchBytes(std::string_view(bytes.constData(), bytes.size()), sinks);
}

int Reply_KeywordCount()
{
    return KeywordTableSize;
}

std::string_view Reply_Keyword(int index)
{
    return index >= 0 && index < KeywordTableSize ? KeywordTable[index].keyword
                                                  : std::string_view();
}
