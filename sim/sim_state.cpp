// Factory settings.
#include "sim_state.h"

#include "sim/sim_models.h"

bool SimMultiview::operator==(const SimMultiview &o) const
{
    return layout == o.layout && windowSource == o.windowSource && aspect == o.aspect
        && variant == o.variant && pipPosition == o.pipPosition && pipSize == o.pipSize
        && pipUser == o.pipUser && pbpPresenter == o.pbpPresenter;
}

SimState SimFactoryState(int modelIndex, const SimNetworkInfo &network)
{
    SimState s;
    s.volume = SimModels[modelIndex].volumeMax / 2;
    s.network = network;
    return s;
}
