#include "Mnemonics.h"

namespace ctl {

std::string StripMnemonics(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (++i == text.size()) {
                break;
            }
        }
        shown += text[i];
    }
    return shown;
}

char GetMnemonic(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] != '&') {
                return text[i + 1];
            }
            ++i;
        }
    }
    return '\0';
}

int GetMnemonicPosition(const std::string& text) {
    int nShown = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i, ++nShown) {
        if (text[i] == '&') {
            if (text[i + 1] != '&') {
                return nShown;
            }
            ++i;
        }
    }
    return -1;
}

std::string ShownCaption(const CDialogItemTemplate& item, const std::string& text) {
    const bool bNoPrefix = item.kind == ControlKind::Static && (item.style & kStyleNoPrefix) != 0;
    const bool bCaption = item.kind != ControlKind::ComboBox && item.kind != ControlKind::Edit;
    return bCaption && !bNoPrefix ? StripMnemonics(text) : text;
}

} // namespace ctl
