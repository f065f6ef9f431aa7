#include "profile/profile_settings.h"

#include "app/language_texts.h"
#include "app/net_check.h"
#include "state/model_traits.h"

#include <QRegularExpression>
#include <QVector>

namespace {

struct SettingRule
{
    const char *key; // with '#' where the one-based number of a window, mic, input or scene goes
    ProfileSection section;
    SettingKind kind;
    int numbers; // Numbers: count
    const char *label;
};

SettingRule RuleOf(SettingId id)
{
    using K = SettingKind;
    using S = ProfileSection;
    const int i = Setting_Index(id);
    if (i >= Setting_Index(SettingId::WindowSource) && i < Setting_Index(SettingId::AudioSource))
        return {"window.#.source", S::Multiview, K::Word, 1, "source of window #"};
    if (i >= Setting_Index(SettingId::MicSwitch) && i < Setting_Index(SettingId::MicVolume))
        return {"mic.#.switch", S::Audio, K::Word, 1, "microphone # on/off"};
    if (i >= Setting_Index(SettingId::MicVolume) && i < Setting_Index(SettingId::EdidMode))
        return {"mic.#.volume", S::Audio, K::Number, 1, "microphone # volume"};
    if (i >= Setting_Index(SettingId::InputName) && i < Setting_Index(SettingId::SceneName))
        return {"input.#.name", S::Names, K::Text, 1, "name of input #"};
    if (i >= Setting_Index(SettingId::SceneName) && i < SettingCount)
        return {"scene.#.name", S::Names, K::Text, 1, "name of scene #"};
    switch (id) {
    case SettingId::OutputResolution:
        return {"output.resolution", S::Output, K::Word, 1, "output resolution"};
    case SettingId::OutputUserResolution:
        return {"output.user-resolution", S::Output, K::Numbers, 2, "user resolution"};
    case SettingId::OutputHdcp:
        return {"output.hdcp", S::Output, K::Word, 1, "HDCP"};
    case SettingId::OutputVka:
        return {"output.vka", S::Output, K::Word, 1, "VKA"};
    case SettingId::OutputItc:
        return {"output.itc", S::Output, K::Word, 1, "ITC"};
    case SettingId::Output4kAuto:
        return {"output.4k-auto", S::Output, K::Word, 1, "4K AUTO"};
    case SettingId::MultiviewLayout:
        return {"multiview.layout", S::Multiview, K::Word, 1, "multiview layout"};
    case SettingId::MultiviewAspect:
        return {"multiview.aspect", S::Multiview, K::Word, 1, "layout aspect"};
    case SettingId::MultiviewVariant:
        return {"multiview.variant", S::Multiview, K::Number, 1, "layout variant"};
    case SettingId::MultiviewPipPosition:
        return {"multiview.pip-position", S::Multiview, K::Word, 1, "PIP position"};
    case SettingId::MultiviewPipSize:
        return {"multiview.pip-size", S::Multiview, K::Word, 1, "PIP size"};
    case SettingId::MultiviewAutoSwitch:
        return {"multiview.auto-switch", S::Multiview, K::Word, 1, "auto switch"};
    case SettingId::MultiviewUserRectangle:
        return {"multiview.user-rectangle", S::Multiview, K::Numbers, 4, "user window rectangle"};
    case SettingId::AudioSource:
        return {"audio.source", S::Audio, K::Word, 1, "audio source"};
    case SettingId::AudioVolume:
        return {"audio.volume", S::Audio, K::Number, 1, "volume"};
    case SettingId::AudioMute:
        return {"audio.mute", S::Audio, K::Word, 1, "audio mute"};
    case SettingId::AudioMain:
        return {"audio.main", S::Audio, K::Word, 1, "main audio on/off"};
    case SettingId::EdidMode:
        return {"edid.mode", S::System, K::Word, 1, "EDID mode"};
    case SettingId::NetworkIp:
        return {"network.ip", S::Network, K::Text, 1, "device IP address"};
    case SettingId::NetworkPort:
        return {"network.port", S::Network, K::Number, 1, "device TCP port"};
    case SettingId::NetworkMask:
        return {"network.mask", S::Network, K::Text, 1, "device subnet mask"};
    case SettingId::NetworkGateway:
        return {"network.gateway", S::Network, K::Text, 1, "device gateway"};
    case SettingId::SerialBaudRate:
        return {"serial.baud-rate", S::Network, K::Number, 1, "RS-232 baud rate"};
    default:
        return {"", S::Output, K::Text, 1, ""};
    }
}

// The one-based number of an indexed setting (window 2 -> 2), or 0.
int ItemNumber(SettingId id)
{
    const int i = Setting_Index(id);
    struct Range
    {
        SettingId first;
        int count;
    };
    for (Range r :
         {Range {SettingId::WindowSource, ProfileWindows},
          Range {SettingId::MicSwitch, ProfileMics}, Range {SettingId::MicVolume, ProfileMics},
          Range {SettingId::InputName, ProfileInputNames},
          Range {SettingId::SceneName, ProfileSceneNames}}) {
        const int first = Setting_Index(r.first);
        if (i >= first && i < first + r.count)
            return i - first + 1;
    }
    return 0;
}

QString WithNumber(const char *pattern, SettingId id)
{
    QString text = QString::fromUtf8(pattern);
    const int n = ItemNumber(id);
    if (n > 0)
        text.replace(QLatin1Char('#'), QString::number(n));
    return text;
}

bool ValidModel(int model)
{
    return model >= 0 && model < ModelCount;
}

QStringList ToList(WordList words)
{
    QStringList list;
    for (int i = 0; i < words.count; ++i)
        list.append(QString::fromLatin1(words.words[i]));
    return list;
}

template <std::size_t N>
QStringList ToList(const char *const (&words)[N])
{
    return ToList(WordList {words, static_cast<int>(N)});
}

bool IsWindowSource(SettingId id)
{
    const int i = Setting_Index(id);
    return i >= Setting_Index(SettingId::WindowSource) && i < Setting_Index(SettingId::AudioSource);
}

// The word list of a Word setting; model-dependent lists need a valid model.
QStringList WordsFor(SettingId id, int model)
{
    if (IsWindowSource(id))
        return ValidModel(model) ? ToList(WindowInputWords[model]) : QStringList();
    const int i = Setting_Index(id);
    if (i >= Setting_Index(SettingId::MicSwitch) && i < Setting_Index(SettingId::MicVolume))
        return ToList((OnOffWords));
    switch (id) {
    case SettingId::OutputResolution:
        return ToList((OutResolutionWords));
    case SettingId::OutputHdcp:
        return ToList((HdcpWords));
    case SettingId::OutputVka:
        return ToList((VkaWords));
    case SettingId::OutputItc:
    case SettingId::Output4kAuto:
    case SettingId::MultiviewAutoSwitch:
    case SettingId::AudioMute:
    case SettingId::AudioMain:
        return ToList((OnOffWords));
    case SettingId::MultiviewLayout:
        return ToList((MultiviewModeWords));
    case SettingId::MultiviewAspect:
        return ToList((AspectWords));
    case SettingId::MultiviewPipPosition:
        return ToList((PipPositionWords));
    case SettingId::MultiviewPipSize:
        return ToList((PipSizeWords));
    case SettingId::AudioSource:
        return ValidModel(model) ? ToList(AudioSourceWords[model]) : QStringList();
    case SettingId::EdidMode:
        return ToList((EdidModeWords));
    default:
        return {};
    }
}

bool ModelDependentWords(SettingId id)
{
    return IsWindowSource(id) || id == SettingId::AudioSource;
}

QStringList AllWordsOf(SettingId id)
{
    if (!ModelDependentWords(id))
        return WordsFor(id, 0);
    QStringList all;
    for (int m = 0; m < ModelCount; ++m) {
        for (const QString &w : WordsFor(id, m)) {
            if (!all.contains(w))
                all.append(w);
        }
    }
    return all;
}

struct NumberRange
{
    int min;
    int max;
};

NumberRange RangeFor(SettingId id, int model)
{
    const int i = Setting_Index(id);
    if (i >= Setting_Index(SettingId::MicVolume) && i < Setting_Index(SettingId::EdidMode))
        return {0, MicVolumeMaximum};
    switch (id) {
    case SettingId::OutputUserResolution:
    case SettingId::MultiviewUserRectangle:
        return {0, ProfileRectMax};
    case SettingId::MultiviewVariant:
        return {1, MaxLayoutVariants};
    case SettingId::AudioVolume:
        return {0, Model_VolumeMaximum(static_cast<quint8>(model))};
    case SettingId::NetworkPort:
        return {1, 65534};
    default:
        return {0, 0};
    }
}

// Whole decimal numbers as canonical text: ASCII digits only, no sign, no leading zeros
// beyond a lone "0", at most 9 digits so that every value fits an int.
bool IsCanonicalNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return text.size() == 1 || text.at(0) != QLatin1Char('0');
}

QString ModelPhrase(int model)
{
    return ValidModel(model) ? QStringLiteral("a ") + Profile_ModelName(model)
                             : QStringLiteral("this device");
}

QString CheckNumbers(SettingId id, const QString &value, int model)
{
    const QStringList parts = value.split(QLatin1Char(' '));
    const int count = Setting_NumberCount(id);
    if (parts.size() != count)
        return QStringLiteral("needs %1 whole numbers").arg(count);
    const NumberRange range = RangeFor(id, model);
    for (const QString &p : parts) {
        if (!IsCanonicalNumber(p))
            return QStringLiteral("\"%1\" is not a whole number").arg(value);
        const int n = p.toInt();
        if (n < range.min || n > range.max)
            return QStringLiteral("%1 is outside %2..%3").arg(p).arg(range.min).arg(range.max);
    }
    return {};
}

QString CheckNumber(SettingId id, const QString &value, int model)
{
    if (!IsCanonicalNumber(value))
        return QStringLiteral("\"%1\" is not a whole number").arg(value);
    if (id == SettingId::SerialBaudRate) {
        if (!BaudRateList.contains(value))
            return QStringLiteral("%1 is not a baud rate of the device (%2)")
                .arg(value, BaudRateList.join(QStringLiteral(", ")));
        return {};
    }
    if (id == SettingId::NetworkPort && !Net_IsValidPort(value))
        return QStringLiteral("%1 is not a port from 1 to 65534").arg(value);
    const NumberRange range = RangeFor(id, model);
    const int n = value.toInt();
    if (n < range.min || n > range.max) {
        QString text
            = QStringLiteral("%1 is outside %2..%3").arg(value).arg(range.min).arg(range.max);
        if (id == SettingId::AudioVolume && ValidModel(model))
            text += QStringLiteral(" on ") + ModelPhrase(model);
        return text;
    }
    return {};
}

QString CheckText(SettingId id, const QString &value)
{
    if (Setting_Section(id) == ProfileSection::Names) {
        if (value.size() > ProfileNameMaxChars)
            return QStringLiteral("a name of %1 characters is longer than %2")
                .arg(value.size())
                .arg(ProfileNameMaxChars);
        for (const QChar c : value) {
            // A line break would split the language file's line and shift every text after it.
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                return QStringLiteral("a name may not contain control characters");
        }
        return {};
    }
    if (!Net_IsValidAddress(value))
        return QStringLiteral("\"%1\" is not a dotted IPv4 address").arg(value.left(64));
    return {};
}

} // namespace

const char *Profile_SectionName(ProfileSection section)
{
    switch (section) {
    case ProfileSection::Output:
        return "output";
    case ProfileSection::Multiview:
        return "multiview";
    case ProfileSection::Audio:
        return "audio";
    case ProfileSection::System:
        return "system";
    case ProfileSection::Network:
        return "network";
    case ProfileSection::Names:
        return "names";
    }
    return "";
}

std::optional<ProfileSection> Profile_SectionFromName(const QString &name)
{
    for (int s = 0; s < ProfileSectionCount; ++s) {
        const auto section = static_cast<ProfileSection>(s);
        if (name.compare(QLatin1String(Profile_SectionName(section)), Qt::CaseInsensitive) == 0)
            return section;
    }
    return std::nullopt;
}

QString Setting_Key(SettingId id)
{
    return WithNumber(RuleOf(id).key, id);
}

std::optional<SettingId> Setting_FromKey(const QString &key)
{
    if (key.size() > 64)
        return std::nullopt;
    for (int i = 0; i < SettingCount; ++i) {
        if (Setting_Key(Setting_At(i)) == key)
            return Setting_At(i);
    }
    return std::nullopt;
}

ProfileSection Setting_Section(SettingId id)
{
    return RuleOf(id).section;
}

SettingKind Setting_Kind(SettingId id)
{
    return RuleOf(id).kind;
}

int Setting_NumberCount(SettingId id)
{
    return RuleOf(id).numbers;
}

QString Setting_Label(SettingId id)
{
    return WithNumber(RuleOf(id).label, id);
}

bool Setting_Available(SettingId id, int model)
{
    if (Setting_Section(id) == ProfileSection::Names)
        return true;
    if (!ValidModel(model))
        return false;
    const int i = Setting_Index(id);
    const auto m = static_cast<quint8>(model);
    if (id == SettingId::Output4kAuto)
        return Model_Has4kAuto(m);
    if (id == SettingId::AudioMain
        || (i >= Setting_Index(SettingId::MicSwitch) && i < Setting_Index(SettingId::EdidMode)))
        return Model_HasMicrophones(m);
    if (i >= Setting_Index(SettingId::NetworkIp) && i <= Setting_Index(SettingId::NetworkGateway))
        return Model_HasNetwork(m);
    return true;
}

QStringList Setting_Words(SettingId id, int model)
{
    return Setting_Kind(id) == SettingKind::Word ? WordsFor(id, model) : QStringList();
}

QStringList Setting_AllWords(SettingId id)
{
    return Setting_Kind(id) == SettingKind::Word ? AllWordsOf(id) : QStringList();
}

int Setting_WordIndex(SettingId id, const QString &word, int model)
{
    return Setting_Words(id, model).indexOf(word);
}

QString Setting_Check(SettingId id, const QString &value, int model)
{
    if (!Setting_Available(id, model))
        return QStringLiteral("%1 has no %2").arg(ModelPhrase(model), Setting_Label(id));
    switch (Setting_Kind(id)) {
    case SettingKind::Word: {
        const QStringList words = WordsFor(id, model);
        if (words.contains(value))
            return {};
        QString text
            = QStringLiteral("\"%1\" is not a valid %2").arg(value.left(64), Setting_Label(id));
        if (ModelDependentWords(id))
            text += QStringLiteral(" on ") + ModelPhrase(model);
        return text + QStringLiteral(" (one of %1)").arg(words.join(QStringLiteral(", ")));
    }
    case SettingKind::Number:
        return CheckNumber(id, value, model);
    case SettingKind::Numbers:
        return CheckNumbers(id, value, model);
    case SettingKind::Text:
        return CheckText(id, value);
    }
    return {};
}

bool Setting_Parse(SettingId id, const QString &input, QString *canonical, QString *reason)
{
    const QString text = Setting_Section(id) == ProfileSection::Names ? input : input.trimmed();
    switch (Setting_Kind(id)) {
    case SettingKind::Word: {
        const QStringList words = Setting_AllWords(id);
        for (const QString &w : words) {
            if (w.compare(text, Qt::CaseInsensitive) == 0) {
                *canonical = w;
                return true;
            }
        }
        *reason = QStringLiteral("\"%1\" is not a valid %2 (one of %3)")
                      .arg(text.left(64), Setting_Label(id), words.join(QStringLiteral(", ")));
        return false;
    }
    case SettingKind::Number:
    case SettingKind::Numbers: {
        static const QRegularExpression separators(QStringLiteral("[\\s,xX]+"));
        QStringList parts = text.split(separators, Qt::SkipEmptyParts);
        for (QString &p : parts) {
            // "0080" is 80; more than nine digits never fits a setting.
            while (p.size() > 1 && p.at(0) == QLatin1Char('0'))
                p.remove(0, 1);
        }
        const int count = Setting_NumberCount(id);
        bool ok = parts.size() == count;
        for (const QString &p : parts)
            ok = ok && IsCanonicalNumber(p);
        if (!ok) {
            *reason = count == 1
                ? QStringLiteral("\"%1\" is not a whole number").arg(text.left(64))
                : QStringLiteral("\"%1\" is not %2 whole numbers").arg(text.left(64)).arg(count);
            return false;
        }
        *canonical = parts.join(QLatin1Char(' '));
        return true;
    }
    case SettingKind::Text:
        *canonical = text;
        return true;
    }
    return false;
}

QVector<int> Setting_Numbers(const QString &canonical)
{
    QVector<int> numbers;
    for (const QString &p : canonical.split(QLatin1Char(' '))) {
        if (!IsCanonicalNumber(p))
            return {};
        numbers.append(p.toInt());
    }
    return numbers;
}

QString Profile_ModelName(int model)
{
    return ValidModel(model) ? QString::fromLatin1(ModelNames[model]) : QString();
}

int Profile_ModelFromName(const QString &name)
{
    for (int m = 0; m < ModelCount; ++m) {
        if (name == QLatin1String(ModelNames[m]))
            return m;
    }
    return -1;
}
