#include "StringTable.h"

#include "lang/Catalogue.h"

#include <iterator>

namespace {

struct CStringEntry {
    unsigned nID;
    const char* text;
};

// clang-format off
const CStringEntry kStringTable[] = {
    {  101, N_("&About...") },
    {  102, N_("&Fit a Recording Time...") },
    {  103, N_("&Ranges...") },
    { 1000, N_("Sable Not Installed") },
    { 1001, N_("Sable Installed") },
    { 1002, N_("Only Sable Installed") },
    { 1010, "MS UI Gothic" },
    { 1011, N_("Sampling Period") },
    { 1107, N_("The calculation result is copied to the clipboard.") },
    { 2000, N_("Menu") },
    { 2001, N_("Copy &Link") },
    { 2002, N_("Copied the report to the clipboard.") },
    { 2003, N_("Copied the link to the clipboard.") },
    { 2004, N_("The link could not be put on the clipboard; copy it from here.") },
    { 2005, N_("The calculator is closed. %1 to open it again.") },
    { 2006, N_("Reload the page") },
    { 2007, N_("OK") },
    { 2008, N_("marked") },
    { 2009, N_("Recording Time Graph") },
};
// clang-format on

} // namespace

std::string LoadString(unsigned nID) {
    for (const CStringEntry& entry : kStringTable) {
        if (entry.nID == nID) {
            return entry.text;
        }
    }
    return {};
}
