#include "ui/multiview_picture.h"

#include "state/device_state.h"
#include "state/model_traits.h"
#include "state/vocabulary.h"

namespace {
// File names cannot carry the colon of "16:9".
constexpr const char *AspectFileWords[] = {"FULL", "169"};

template <std::size_t N>
QString wordOrEmpty(const char *const (&words)[N], qint64 index)
{
    if (index < 0 || index >= qint64(N))
        return QString();
    return QLatin1String(words[index]);
}
} // namespace

MultiviewPictureState Multiview_CurrentPictureState()
{
    MultiviewPictureState s;
    s.mode = DeviceState::multiviewMode;
    s.maxMode = DeviceState::layoutMaxMode;
    s.aspect = DeviceState::layoutAspect;
    s.modeIndex = DeviceState::layoutModeIndex;
    s.pipPosition = DeviceState::pipPosition;
    s.pipSize = DeviceState::pipSize;
    return s;
}

QString Multiview_PictureName(const MultiviewPictureState &state)
{
    const QLatin1Char sep('_');
    if (state.mode == ModeSingle)
        return QLatin1String(MultiviewModeWords[ModeSingle]);
    if (state.mode == ModePip)
        return QLatin1String(MultiviewModeWords[ModePip]) + sep
            + wordOrEmpty(PipPositionWords, state.pipPosition) + sep
            + wordOrEmpty(PipSizeWords, state.pipSize);
    if (state.mode >= quint32(ModeCount))
        return QString();
    const bool offered = state.modeIndex >= 0 && quint32(state.modeIndex) < state.maxMode;
    const QString variant = offered ? QString::number(qint64(state.modeIndex) + 1) : QString();
    return QLatin1String(MultiviewModeWords[state.mode]) + sep + variant + sep
        + wordOrEmpty(AspectFileWords, state.aspect);
}

QString Multiview_PictureRelPath(const QString &name)
{
    return QStringLiteral("/APP/Image/MultiView/") + name + QStringLiteral(".png");
}

UserRectangleKind Multiview_UserRectangleKind(const MultiviewPictureState &state)
{
    return Mode_UserRectangle(state.mode, state.pipPosition, state.pipSize, state.modeIndex);
}
