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

// The state is written straight into text, in the form Dump gives: a document of nested objects
// built for every scenario line cost more than the dialog's own work.

// text as a JSON string. Texts with nothing to escape, which are nearly all, are copied as they
// are; the others are written by the JSON library.
void AppendString(std::string& out, const std::string& text) {
    const bool bPlain = std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte >= 0x80 || c == '"' || c == '\\';
    });
    if (bPlain) {
        out += '"';
        out += text;
        out += '"';
    } else {
        out += Dump(Json(text));
    }
}

void AppendKey(std::string& out, const char* key) {
    out += '"';
    out += key;
    out += "\":";
}

void AppendBool(std::string& out, bool bValue) {
    out += bValue ? "true" : "false";
}

void AppendList(std::string& out, const CControlState& list) {
    out += '{';
    AppendKey(out, "entries");
    out += '[';
    for (std::size_t i = 0; i < list.m_entries.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        AppendString(out, list.m_entries[i]);
    }
    out += "],";
    AppendKey(out, "selected");
    out += std::to_string(list.m_nCurSel);
    out += ',';
    AppendKey(out, "enabled");
    AppendBool(out, list.m_bEnabled);
    out += '}';
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
    std::string out;
    out.reserve(2048);
    out += '{';
    AppendKey(out, "lists");
    out += '{';
    for (const CListName& list : kListNames) {
        if (&list != kListNames) {
            out += ',';
        }
        AppendKey(out, list.name);
        AppendList(out, *dlg.FindControl(list.nID));
    }
    out += "},";
    AppendKey(out, "recording_length");
    AppendString(out, dlg.m_stRecordingLength.GetWindowText());
    out += ',';
    AppendKey(out, "sampling_period");
    AppendString(out, dlg.m_stSamplingPeriod.GetWindowText());
    out += ',';
    AppendKey(out, "sampling_period_visible");
    AppendBool(out, dlg.m_stSamplingPeriod.IsWindowVisible());
    out += ',';
    AppendKey(out, "recording_time");
    AppendString(out, dlg.m_stRecordingTime.GetWindowText());
    out += ',';
    AppendKey(out, "report");
    AppendString(out, CopyReport(dlg, host));
    out += '}';
    return out;
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
