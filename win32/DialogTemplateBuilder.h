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

    static DWORD DialogStyle(const ctl::CDialogTemplate& dlgTemplate);
    static DWORD DialogExStyle(const ctl::CDialogTemplate& dlgTemplate);
    static DWORD ControlStyle(const ctl::CDialogItemTemplate& item);
    static DWORD ControlExStyle(const ctl::CDialogItemTemplate& item);
    // The predefined window class of a control (0x0080 button, 0x0081 edit, 0x0082 static,
    // 0x0085 combo box).
    static WORD ControlClass(ctl::ControlKind kind);

private:
    void AddWord(WORD word) { m_words.push_back(word); }
    void AddDword(DWORD dword);
    void AddString(const std::wstring& text);
    void AlignToDword();

    std::vector<WORD> m_words;
};
