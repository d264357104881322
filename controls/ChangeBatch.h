#pragma once

#include <vector>

namespace ctl {

class CControlState;
class IControlObserver;

// Holds back the change notifications of a dialog's controls while the dialog handles one event,
// and then tells each control's observer of each kind of change once, when the controls are in
// the state the event left them in: a list emptied and refilled entry by entry is one Entries
// change, not one for every entry. Batches nest; the outermost one sends, and then tells the
// dialog's observer that the action has ended. A control without an observer holds nothing.
class CChangeBatch {
public:
    CChangeBatch() = default;
    CChangeBatch(const CChangeBatch&) = delete;
    CChangeBatch& operator=(const CChangeBatch&) = delete;

    void SetObserver(IControlObserver* pObserver) { m_pObserver = pObserver; }

    bool IsOpen() const { return m_nDepth > 0; }
    void Open() { ++m_nDepth; }
    // Closing the outermost batch sends what its controls hold, in the order they first changed.
    void Close();

    // A control that holds its first change of this batch; it is asked to send when it closes.
    void Hold(const CControlState& control) { m_held.push_back(&control); }

private:
    int m_nDepth = 0;
    std::vector<const CControlState*> m_held;
    IControlObserver* m_pObserver = nullptr;
};

// Keeps a batch open for the life of the scope.
class CChangeBatchScope {
public:
    explicit CChangeBatchScope(CChangeBatch& batch) : m_batch(batch) { m_batch.Open(); }
    ~CChangeBatchScope() { m_batch.Close(); }
    CChangeBatchScope(const CChangeBatchScope&) = delete;
    CChangeBatchScope& operator=(const CChangeBatchScope&) = delete;

private:
    CChangeBatch& m_batch;
};

} // namespace ctl
