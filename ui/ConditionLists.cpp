#include "ConditionLists.h"

#include "res/Resource.h"

namespace spanwise {

namespace {

// Indexed by CalcList.
// clang-format off
const CListFacts kListFacts[kCalcListCount] = {
    // name      list            caption             "-" when disabled
    { "model",    IDC_MODEL,      IDC_LBL_MODEL,      false },
    { "memory",   IDC_MEMORY,     IDC_LBL_MEMORY,     true },
    { "function", IDC_FUNCTION,   IDC_LBL_FUNCTION,   true },
    { "sampling", IDC_SAMPLING,   IDC_LBL_SAMPLING,   true },
    { "scanner",  IDC_SCANNER,    IDC_LBL_SCANNER,    true },
    { "channels", IDC_CHANNELS,   IDC_LBL_CHANNELS,   true },
    { "range",    IDC_TIME_RANGE, IDC_LBL_TIME_RANGE, false },
};
// clang-format on

} // namespace

const CalcList kCalcLists[kCalcListCount] = {
    CalcList::Model,   CalcList::Memory,   CalcList::Function,  CalcList::Sampling,
    CalcList::Scanner, CalcList::Channels, CalcList::TimeRange,
};

const CListFacts& GetListFacts(CalcList list) {
    return kListFacts[static_cast<std::size_t>(list)];
}

const char* GetListName(CalcList list) {
    return GetListFacts(list).name;
}

int GetListControlID(CalcList list) {
    return GetListFacts(list).nID;
}

bool FindListOfControl(int nID, CalcList& list) {
    for (const CalcList candidate : kCalcLists) {
        if (GetListControlID(candidate) == nID) {
            list = candidate;
            return true;
        }
    }
    return false;
}

} // namespace spanwise
