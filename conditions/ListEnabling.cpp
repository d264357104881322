#include "conditions/ListEnabling.h"

#include "conditions/ModelCatalogue.h"

#include <initializer_list>

namespace spanwise {

namespace {

DisabledBecause UnlessModelHas(bool bHas, DisabledBecause reason) {
    return bHas ? DisabledBecause::Nothing : reason;
}

} // namespace

// A list the model offers no choice in is disabled for that reason first, whatever the function.
CListEnabling GetListEnabling(int nModel, int nFunction) {
    const bool bRec = nFunction != kFunctionMem;
    CListEnabling enabling{};
    enabling.memory = UnlessModelHas(HasMemoryChoice(nModel), DisabledBecause::NoMemoryChoice);
    enabling.function = UnlessModelHas(HasRecFunction(nModel), DisabledBecause::MemOnly);
    enabling.sampling =
        UnlessModelHas(HasDualAxisSampling(nModel), DisabledBecause::SingleAxisOnly);
    enabling.scanner = UnlessModelHas(TakesScannerUnit(nModel), DisabledBecause::NoScannerUnit);
    enabling.channels = UnlessModelHas(HasChannelChoice(nModel), DisabledBecause::FixedChannels);
    if (bRec) {
        for (DisabledBecause* pUnderMemOnly : {&enabling.sampling, &enabling.channels}) {
            if (*pUnderMemOnly == DisabledBecause::Nothing) {
                *pUnderMemOnly = DisabledBecause::NotUnderRec;
            }
        }
    }
    enabling.bSamplingPeriodShown = !bRec;
    return enabling;
}

} // namespace spanwise
