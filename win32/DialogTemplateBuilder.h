#pragma once

#include "WindowsApi.h"

#include "controls/DialogTemplate.h"

#include <string>
#include <vector>

// One of the built-in dialog templates laid out as the Windows dialog manager reads it: an
// extended dialog template (DLGTEMPLATEEX) with the frame, the font and every control with its
// id, class, styles and position in dialog units, in template (tab) order. The list entries are
// not part of it; the dialog's window fills the lists from the dialog's controls.
class CWin32DialogTemplate {
public:
    // fontFace replaces the template's font face, for a system that does not have it.
    CWin32DialogTemplate(const ctl::CDialogTemplate& dlgTemplate, const std::wstring& fontFace);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void AddWord(WORD word) { m_words.push_back(word); }
    void AddDword(DWORD dword);
    void AddString(const std::wstring& text);
    void AlignToDword();

    std::vector<WORD> m_words;
};
