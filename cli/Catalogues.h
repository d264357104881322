#pragma once

namespace spanwise::cli {

// Adds the translations of spanwise-cli's own texts (its help, its messages) to the catalogue,
// written by the build from po/ apart from the core's, which the web page downloads.
void AddCommandLineCatalogues();

} // namespace spanwise::cli
