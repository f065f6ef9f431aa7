// Layout, window sources, input status and scenes.
#include "sim/sim_interpreter.h"

#include <utility>

namespace {
QByteArray layoutItem(int layout, const char *what)
{
    return QByteArray(SimLayouts.at(layout)) + ' ' + what;
}
} // namespace

QByteArray SimInterpreter::multiviewSyncLine() const
{
    const SimMultiview &mv = m_state.multiview;
    QList<QByteArray> fields {SimLayouts.at(mv.layout)};
    for (int w = 0; w < SimWindowCount; ++w) {
        fields.append(w < SimWindowsPerLayout[mv.layout] ? model().inputs.at(mv.windowSource[w])
                                                         : "NULL");
    }
    if (mv.layout == LayoutSingle) {
        fields.append(SimInputResolution(model().inputs.at(mv.windowSource[0])));
        fields.append(SimOnOff.at(m_state.autoSwitch));
    } else if (mv.layout == LayoutPip) {
        fields.append(SimPipPositions.at(mv.pipPosition));
        fields.append(SimPipSizes.at(mv.pipSize));
    } else {
        const int k = mv.layout - LayoutPbp;
        fields.append(SimAspects.at(mv.aspect[k]));
        fields.append(QByteArray::number(mv.variant[k]));
        fields.append(QByteArray::number(SimMaxModePerLayout[mv.layout]));
    }
    return SimReplyLine("MULTIVIEW-SYNC", fields.join(' '));
}

void SimInterpreter::addMultiviewCommands()
{
    SimMultiview &mv = m_state.multiview;
    add("MULTIVIEW",
        query([&mv] { return SimReplies {SimReplyLine("MULTIVIEW", SimLayouts.at(mv.layout))}; }),
        [&mv](const SimArgs &args) -> SimReplies {
            const int layout = args.size() == 1 ? SimLayouts.indexOf(args.first()) : -1;
            if (layout < 0)
                return {ErrValue};
            mv.layout = layout;
            // The device announces how many variants the new layout offers.
            return {SimReplyLine("MULTIVIEW", SimLayouts.at(layout)),
                    SimReplyLine("MAXMODE", QByteArray::number(SimMaxModePerLayout[layout]))};
        });
    add("MULTIVIEW-SYNC", query([this] { return SimReplies {multiviewSyncLine()}; }), nullptr);

    for (int w = 0; w < SimWindowCount; ++w) {
        const QByteArray item = "WINDOW" + QByteArray::number(w + 1) + " IN";
        addChoice(item, model().inputs, &mv.windowSource[w]);
    }
    add("IN RESOLUTION", query([this, &mv] {
            const char *format = SimInputResolution(model().inputs.at(mv.windowSource[0]));
            return SimReplies {SimReplyLine("IN RESOLUTION", format)};
        }),
        nullptr);
    addChoice("AUTO SWITCH", SimOnOff, &m_state.autoSwitch);

    auto sceneNumber = [](const SimArgs &args) {
        int n = 0;
        if (args.size() != 1 || !SimParseUnsigned(args.first(), &n) || n < 1 || n > SimSceneCount)
            return 0;
        return n;
    };
    add("SAVE SCENE", nullptr, [this, sceneNumber](const SimArgs &args) -> SimReplies {
        const int n = sceneNumber(args);
        if (n == 0)
            return {ErrValue};
        m_state.scenes[n - 1] = m_state.multiview;
        return {SimReplyLine("SAVE SCENE", QByteArray::number(n))};
    });
    add("LOAD SCENE", nullptr, [this, sceneNumber](const SimArgs &args) -> SimReplies {
        const int n = sceneNumber(args);
        if (n == 0)
            return {ErrValue};
        if (!m_state.scenes[n - 1])
            return {ErrSceneEmpty};
        m_state.multiview = *m_state.scenes[n - 1];
        // The whole arrangement changed at once: restate it.
        return {SimReplyLine("LOAD SCENE", QByteArray::number(n)), multiviewSyncLine()};
    });
}

void SimInterpreter::addLayoutOptionCommands()
{
    SimMultiview &mv = m_state.multiview;
    for (int layout = LayoutPbp; layout <= Layout4Win; ++layout) {
        const int k = layout - LayoutPbp;
        const int maxMode = SimMaxModePerLayout[layout];
        const QByteArray modeItem = layoutItem(layout, "MODE");
        addChoice(layoutItem(layout, "ASPECT"), SimAspects, &mv.aspect[k]);
        auto modeReply = [=, &mv] {
            return SimReplies {SimReplyLine(modeItem, QByteArray::number(mv.variant[k]))};
        };
        add(modeItem, query(modeReply), [=, &mv](const SimArgs &args) -> SimReplies {
            int n = 0;
            if (args.size() != 1 || !SimParseUnsigned(args.first(), &n) || n < 1 || n > maxMode)
                return {ErrValue};
            mv.variant[k] = n;
            return modeReply();
        });
    }

    // USER position and USER size describe one free rectangle, so each drags the other
    // along; leaving USER on one side puts the other back to a fixed value.
    struct PipSide
    {
        QByteArray item;
        SimWords words;
        int *field;
        int user; // index of USER
        int fallback; // taken when the other side leaves USER
    };
    const PipSide pos {"PIP POS", SimPipPositions, &mv.pipPosition, SimPipPositionUser, 3};
    const PipSide size {"PIP SIZE", SimPipSizes, &mv.pipSize, SimPipSizeUser, 2};
    auto line = [](const PipSide &s) { return SimReplyLine(s.item, s.words.at(*s.field)); };
    for (const auto &sides : {std::pair {pos, size}, std::pair {size, pos}}) {
        // Named copies, not structured bindings: lambdas may not capture those before C++20.
        const PipSide own = sides.first;
        const PipSide other = sides.second;
        add(own.item, query([=] { return SimReplies {line(own)}; }),
            [=](const SimArgs &args) -> SimReplies {
                const int index = args.size() == 1 ? own.words.indexOf(args.first()) : -1;
                if (index < 0)
                    return {ErrValue};
                const int before = *other.field;
                *own.field = index;
                if (index == own.user)
                    *other.field = other.user;
                else if (*other.field == other.user)
                    *other.field = other.fallback; // RightBottom, LARGE
                if (*other.field == before)
                    return {line(own)};
                return {line(own), line(other)};
            });
    }
    addNumbers("PIP USER", mv.pipUser.data(), 4, SimRectMax);
    addNumbers("PBP-PRESENTER", mv.pbpPresenter.data(), 4, SimRectMax);
}
