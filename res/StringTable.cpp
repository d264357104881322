#include "StringTable.h"

#include <iterator>

namespace {

struct CStringEntry {
    unsigned nID;
    const char* text;
};

// clang-format off
const CStringEntry kStringTable[] = {
    {  101, "&About..." },
    {  102, "&Fit a Recording Time..." },
    {  103, "&Ranges..." },
    { 1000, "Sable Not Installed" },
    { 1001, "Sable Installed" },
    { 1002, "Only Sable Installed" },
    { 1010, "MS UI Gothic" },
    { 1011, "Sampling Period" },
    { 1107, "The calculation result is copied to the clipboard." },
    { 2000, "Menu" },
    { 2001, "Copy &Link" },
    { 2002, "Copied the report to the clipboard." },
    { 2003, "Copied the link to the clipboard." },
    { 2004, "The link could not be put on the clipboard; copy it from here." },
    { 2005, "The calculator is closed. %1 to open it again." },
    { 2006, "Reload the page" },
    { 2007, "OK" },
    { 2008, "marked" },
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
