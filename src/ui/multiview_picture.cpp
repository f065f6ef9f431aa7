#include "ui/multiview_picture.h"

#include "state/device_state.h"
#include "state/vocabulary.h"

namespace {
constexpr quint32 Single = 0;
constexpr quint32 Pip = 1;
constexpr quint32 Pbp = 2;
constexpr quint32 FourWin = 4;
constexpr quint32 PipPositionUser = 4;
constexpr quint32 PipSizeUser = 3;
constexpr qint32 PbpPresenterVariant = 2;

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
    if (state.mode == Single)
        return QLatin1String(MultiviewModeWords[Single]);
    if (state.mode == Pip)
        return QLatin1String(MultiviewModeWords[Pip]) + sep
            + wordOrEmpty(PipPositionWords, state.pipPosition) + sep
            + wordOrEmpty(PipSizeWords, state.pipSize);
    if (state.mode > FourWin)
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
    if (state.mode == Pip && (state.pipPosition == PipPositionUser || state.pipSize == PipSizeUser))
        return UserRectangleKind::Window2Display;
    if (state.mode == Pbp && state.modeIndex == PbpPresenterVariant)
        return UserRectangleKind::Window1Capture;
    return UserRectangleKind::Hidden;
}

int Multiview_WindowCount(quint32 mode)
{
    if (mode < FourWin)
        return WindowsPerMode[mode];
    return WindowsPerMode[FourWin];
}
