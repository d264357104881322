#pragma once

#include "controls/ControlState.h"

#include <emscripten/val.h>

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace ctl {
class CDialog;
}

// Watches every control of a dialog and keeps which controls changed, and how, since the page
// last asked. A pick refills lists entry by entry and writes several fields; the page redraws
// each changed control once when the pick is over.
class CControlMirror final : public ctl::IControlObserver {
public:
    explicit CControlMirror(ctl::CDialog& dlg);
    ~CControlMirror();

    CControlMirror(const CControlMirror&) = delete;
    CControlMirror& operator=(const CControlMirror&) = delete;

    void OnControlChanged(const ctl::CControlState& control, ctl::ControlChange change) override;

    // The controls changed since the last call, in template order: each control's state (see
    // ControlObject) with its "index" in template order and "changes", the names of what changed
    // ("text", "entries", ...).
    emscripten::val TakeChanges();

private:
    ctl::CDialog& m_dlg;
    std::unordered_map<const ctl::CControlState*, std::size_t> m_indexOf;
    std::vector<unsigned> m_changes; // by control index: one bit for each ControlChange
};
