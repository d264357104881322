#include "Fit.h"

#include "ExitStatus.h"
#include "Output.h"
#include "calc/DurationParse.h"
#include "ui/Calculator.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <iterator>
#include <set>

namespace spanwise::cli {

namespace {

using Json = nlohmann::ordered_json;

// The condition lists --all tries: those between the model and the range.
const std::vector<CalcList> kConditionLists = {CalcList::Memory, CalcList::Function,
                                               CalcList::Sampling, CalcList::Scanner,
                                               CalcList::Channels};

// One answer: the range picked and what the window then shows.
struct CFitAnswer {
    bool bFits = false;
    std::vector<std::string> conditions; // by kConditionLists; "-" for a disabled list
    std::string range;
    std::string samplingPeriod; // without brackets; "-" where the window hides it (REC)
    std::string recordingTime;
    std::string recordingLength;
    double dSecondsPerDiv = 0;
    double dRecordingTime = 0;
};

// Picks the fitting range, or the longest when none fits, and reads the window.
CFitAnswer Answer(CCalculator& calc, double dSeconds) {
    const CCalculator::CFit fit = calc.FindFit(dSeconds);
    calc.Pick(CalcList::TimeRange, fit.nTimeRange);
    CFitAnswer answer;
    answer.bFits = fit.bFits;
    for (const CalcList list : kConditionLists) {
        answer.conditions.push_back(calc.IsEnabled(list) ? calc.GetSelectedText(list) : "-");
    }
    answer.range = calc.GetSelectedText(CalcList::TimeRange);
    answer.samplingPeriod = calc.IsSamplingPeriodShown() ? calc.GetSamplingPeriod() : "-";
    answer.recordingTime = calc.GetRecordingTimeText();
    answer.recordingLength = calc.GetRecordingLengthText();
    answer.dSecondsPerDiv = calc.GetSecondsPerDiv();
    answer.dRecordingTime = calc.GetRecordingTimeSeconds();
    return answer;
}

// Every combination of the condition lists that picks reach from the calculator's state, once
// each as the window shows it.
std::vector<CFitAnswer> AnswerEveryCombination(CCalculator& calc, double dSeconds) {
    std::vector<CFitAnswer> answers;
    std::set<std::vector<std::string>> seen;
    for (const CReachedState& state : WalkReachableStates(calc, kConditionLists)) {
        calc.RestoreSelection(state.selection);
        CFitAnswer answer = Answer(calc, dSeconds);
        if (seen.insert(answer.conditions).second) {
            answers.push_back(std::move(answer));
        }
    }
    // Finest sampling first; a longer recording first among equals.
    std::stable_sort(answers.begin(), answers.end(), [](const CFitAnswer& a, const CFitAnswer& b) {
        if (a.bFits != b.bFits) {
            return a.bFits;
        }
        if (a.dSecondsPerDiv != b.dSecondsPerDiv) {
            return a.dSecondsPerDiv < b.dSecondsPerDiv;
        }
        return a.dRecordingTime > b.dRecordingTime;
    });
    return answers;
}

Json AnswerJson(const CFitAnswer& answer, bool bConditions) {
    Json json = Json::object();
    if (bConditions) {
        Json conditions = Json::object();
        for (std::size_t i = 0; i < std::size(kConditionLists); ++i) {
            conditions[GetListName(kConditionLists[i])] = answer.conditions[i];
        }
        json["conditions"] = std::move(conditions);
    }
    json["fits"] = answer.bFits;
    json["range"] = answer.range;
    json["sampling_period"] = answer.samplingPeriod;
    json["recording_time"] = answer.recordingTime;
    json["recording_length"] = answer.recordingLength;
    json["seconds_per_div"] = answer.dSecondsPerDiv;
    json["recording_time_s"] = answer.dRecordingTime;
    return json;
}

std::string Dump(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace) + '\n';
}

std::string AnswerText(const CFitAnswer& answer, const std::string& duration) {
    std::string text;
    if (!answer.bFits) {
        text = "No time-axis range records " + duration +
               " under these conditions; the longest recording time is at " + answer.range + ":\n";
    }
    return text + Columns({{"range", answer.range},
                           {"sampling_period", answer.samplingPeriod},
                           {"recording_time", answer.recordingTime},
                           {"recording_length", answer.recordingLength}});
}

std::string AllText(const std::vector<CFitAnswer>& answers, const std::string& duration) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header;
    for (const CalcList list : kConditionLists) {
        header.emplace_back(GetListName(list));
    }
    for (const char* column : {"range", "sampling_period", "recording_time"}) {
        header.emplace_back(column);
    }
    rows.push_back(header);
    std::size_t nNone = 0;
    for (const CFitAnswer& answer : answers) {
        if (!answer.bFits) {
            ++nNone;
            continue;
        }
        std::vector<std::string> row = answer.conditions;
        row.push_back(answer.range);
        row.push_back(answer.samplingPeriod);
        row.push_back(answer.recordingTime);
        rows.push_back(std::move(row));
    }
    return Columns(rows) + std::to_string(nNone) + " of " + std::to_string(answers.size()) +
           " combinations record less than " + duration + " at every range\n";
}

} // namespace

void AddFitOptions(CLI::App& subcommand, CCommandOptions& options) {
    subcommand
        .add_option("DURATION", options.duration,
                    std::string("The recording time needed, e.g. ") + kDurationExamples)
        ->required()
        ->check(
            [](const std::string& text) {
                double dSeconds = 0;
                std::string error;
                return ParseDuration(text, dSeconds, error) ? std::string() : error;
            },
            "DURATION");
    subcommand
        .add_flag("--all", options.bAll,
                  "Try every combination of the Internal Memory, Function, Sampling, "
                  "scanner and Channels lists")
        ->disable_flag_override();
    subcommand.add_flag("--json", options.bJson, "Write JSON")->disable_flag_override();
}

AnswerFormat FitFormat(const CCommandOptions& options) {
    return options.bJson ? AnswerFormat::JsonLine : AnswerFormat::Text;
}

CAnswer AnswerFit(CCalculator& calc, const CCommandOptions& options) {
    double dSeconds = 0;
    std::string error;
    if (!ParseDuration(options.duration, dSeconds, error)) {
        return CAnswer{{}, error, kExitUsage};
    }
    // The duration as the program writes times: "1.5h" is "1h30min".
    const std::string duration = CCalculator::FormatRecordingTime(dSeconds);
    if (!options.bAll) {
        const CFitAnswer answer = Answer(calc, dSeconds);
        return {options.bJson ? Dump(AnswerJson(answer, false)) : AnswerText(answer, duration),
                {},
                answer.bFits ? kExitAnswered : kExitNothingFits};
    }
    const std::vector<CFitAnswer> answers = AnswerEveryCombination(calc, dSeconds);
    const bool bAnyFits = std::any_of(answers.begin(), answers.end(),
                                      [](const CFitAnswer& answer) { return answer.bFits; });
    std::string text;
    if (options.bJson) {
        Json array = Json::array();
        for (const CFitAnswer& answer : answers) {
            array.push_back(AnswerJson(answer, true));
        }
        text = Dump(array);
    } else {
        text = AllText(answers, duration);
    }
    return {std::move(text), {}, bAnyFits ? kExitAnswered : kExitNothingFits};
}

} // namespace spanwise::cli
