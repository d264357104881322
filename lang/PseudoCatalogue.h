#pragma once

namespace spanwise::lang {

// Adds the pseudo-language "qps", which the build writes from the template for the layout tests:
// every text accented and about 40 % longer, its placeholders and mnemonics kept. Only tests link
// it (spanwise_lang_pseudo); no program speaks it, so no locale chooses it.
void AddPseudoCatalogue();

} // namespace spanwise::lang
