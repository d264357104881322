#include "Output.h"

#include "ui/Calculator.h"

#include "JsonText.h"

#include <algorithm>

namespace spanwise::cli {

namespace {

// An object with room for n members: the object is a vector of members that copies them, nested
// objects and all, whenever it grows.
Json ObjectOf(std::size_t n) {
    Json object = Json::object();
    object.get_ref<Json::object_t&>().reserve(n);
    return object;
}

Json ListJson(const CCalculator& calc, CalcList list) {
    Json json = ObjectOf(3);
    json["entries"] = calc.GetEntries(list);
    json["selected"] = calc.GetSelected(list);
    json["enabled"] = calc.IsEnabled(list);
    return json;
}

} // namespace

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

std::string StateJson(const CCalculator& calc, const std::string& report) {
    Json lists = ObjectOf(kCalcListCount);
    for (const CalcList list : kCalcLists) {
        lists[GetListName(list)] = ListJson(calc, list);
    }
    Json state = ObjectOf(9);
    state["lists"] = std::move(lists);
    state["recording_length"] = calc.GetRecordingLengthText();
    state["sampling_period"] = calc.GetSamplingPeriodText();
    state["sampling_period_visible"] = calc.IsSamplingPeriodShown();
    state["recording_time"] = calc.GetRecordingTimeText();
    state["report"] = report;
    state["recording_length_divs"] = calc.GetRecordingLengthDivs();
    state["seconds_per_div"] = calc.GetSecondsPerDiv();
    state["recording_time_s"] = calc.GetRecordingTimeSeconds();
    return JsonText(state);
}

std::string ErrorJson(const std::string& message) {
    return JsonText(Json{{"error", message}});
}

std::size_t TerminalWidth(const std::string& text) {
    std::size_t nWidth = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t nLength = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
        char32_t code = nLength == 1 ? lead : lead & (0x7f >> nLength);
        for (std::size_t k = 1; k < nLength && i + k < text.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3f);
        }
        const bool bWide =
            (code >= 0x1100 && code <= 0x115f) || (code >= 0x2e80 && code <= 0xa4cf) ||
            (code >= 0xac00 && code <= 0xd7a3) || (code >= 0xf900 && code <= 0xfaff) ||
            (code >= 0xfe30 && code <= 0xfe4f) || (code >= 0xff00 && code <= 0xff60) ||
            (code >= 0xffe0 && code <= 0xffe6) || (code >= 0x20000 && code <= 0x3fffd);
        nWidth += bWide ? 2 : 1;
        i += nLength;
    }
    return nWidth;
}

std::string Columns(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            text += row[i];
            if (i + 1 < row.size()) {
                text += std::string(widths[i] - row[i].size() + 2, ' ');
            }
        }
        text += '\n';
    }
    return text;
}

std::string RangeTable(const CCalculator& calc, bool bCsv) {
    std::vector<std::vector<std::string>> rows(1);
    for (const CRangeColumn& column : kRangeColumns) {
        rows[0].emplace_back(column.name);
    }
    for (const CRangeRow& row : calc.GetRangeRows()) {
        rows.push_back(row.Cells());
    }
    if (!bCsv) {
        return Columns(rows);
    }
    std::string text;
    for (const auto& row : rows) {
        text += row[0] + ',' + row[1] + ',' + row[2] + '\n';
    }
    return text;
}

} // namespace spanwise::cli
