#include "Output.h"

#include "CliHost.h"
#include "Picks.h"
#include "ui/RecordingCalcDlg.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iterator>

namespace spanwise::cli {

namespace {

using Json = nlohmann::ordered_json;

std::string Dump(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// An object with room for n members: the object is a vector of members that copies them, nested
// objects and all, whenever it grows.
Json ObjectOf(std::size_t n) {
    Json object = Json::object();
    object.get_ref<Json::object_t&>().reserve(n);
    return object;
}

Json ListJson(const CControlState& list) {
    Json json = ObjectOf(3);
    json["entries"] = list.m_entries;
    json["selected"] = list.m_nCurSel;
    json["enabled"] = list.m_bEnabled;
    return json;
}

// "( 50ns/S )" -> "50ns/S"
std::string WithoutBrackets(const std::string& period) {
    const std::string open = "( ";
    const std::string close = " )";
    if (period.size() >= open.size() + close.size() && period.compare(0, open.size(), open) == 0 &&
        period.compare(period.size() - close.size(), close.size(), close) == 0) {
        return period.substr(open.size(), period.size() - open.size() - close.size());
    }
    return period;
}

} // namespace

std::string CopyReport(CRecordingCalcDlg& dlg, const CCliHost& host) {
    dlg.OnUserClick(IDC_COPY);
    return host.ClipboardText();
}

std::string ToTerminalLines(const std::string& report) {
    std::string text;
    text.reserve(report.size());
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i] == '\r' && i + 1 < report.size() && report[i + 1] == '\n') {
            continue;
        }
        text += report[i];
    }
    return text;
}

std::string StateJson(CRecordingCalcDlg& dlg, const CCliHost& host) {
    Json lists = ObjectOf(kListCount);
    for (const CListName& list : kListNames) {
        lists[list.name] = ListJson(*dlg.FindControl(list.nID));
    }
    Json state = ObjectOf(6);
    state["lists"] = std::move(lists);
    state["recording_length"] = dlg.m_stRecordingLength.GetWindowText();
    state["sampling_period"] = dlg.m_stSamplingPeriod.GetWindowText();
    state["sampling_period_visible"] = dlg.m_stSamplingPeriod.IsWindowVisible();
    state["recording_time"] = dlg.m_stRecordingTime.GetWindowText();
    state["report"] = CopyReport(dlg, host);
    return Dump(state);
}

std::string ErrorJson(const std::string& message) {
    return Dump(Json{{"error", message}});
}

std::string RangeTable(CRecordingCalcDlg& dlg, bool bCsv) {
    struct CRow {
        std::string range, period, time;
    };
    std::vector<CRow> rows;
    rows.push_back({"range", "sampling_period", "recording_time"});
    const int nCount = dlg.m_cbTimeRange.GetCount();
    for (int i = 0; i < nCount; ++i) {
        dlg.OnUserPick(IDC_TIME_RANGE, i);
        const bool bPeriodShown = dlg.m_stSamplingPeriod.IsWindowVisible();
        rows.push_back({dlg.m_cbTimeRange.GetWindowText(),
                        bPeriodShown ? WithoutBrackets(dlg.m_stSamplingPeriod.GetWindowText())
                                     : std::string("-"),
                        dlg.m_stRecordingTime.GetWindowText()});
    }

    std::string text;
    if (bCsv) {
        for (const CRow& row : rows) {
            text += row.range + ',' + row.period + ',' + row.time + '\n';
        }
        return text;
    }
    std::size_t nRangeWidth = 0;
    std::size_t nPeriodWidth = 0;
    for (const CRow& row : rows) {
        nRangeWidth = std::max(nRangeWidth, row.range.size());
        nPeriodWidth = std::max(nPeriodWidth, row.period.size());
    }
    for (const CRow& row : rows) {
        text += row.range + std::string(nRangeWidth - row.range.size() + 2, ' ');
        text += row.period + std::string(nPeriodWidth - row.period.size() + 2, ' ');
        text += row.time + '\n';
    }
    return text;
}

} // namespace spanwise::cli
