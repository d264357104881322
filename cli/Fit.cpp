#include "Fit.h"

#include "ExitStatus.h"
#include "JsonText.h"
#include "Output.h"
#include "calc/DurationParse.h"
#include "calc/FitMessages.h"
#include "calc/ShownText.h"
#include "lang/Catalogue.h"
#include "ui/Calculator.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iterator>
#include <set>

namespace spanwise::cli {

namespace {

// The condition lists --all tries: those between the model and the range, in dialog order.
const std::vector<CalcList> kConditionLists(std::begin(kCalcLists) + 1, std::end(kCalcLists) - 1);

// The duration as typed, and its seconds.
struct CDuration {
    std::string typed;
    double dSeconds = 0;
};

// One answer: the range picked and what the window then shows.
struct CFitAnswer {
    bool bFits = false;
    std::vector<std::string> conditions; // by kConditionLists; "-" for a disabled list
    std::string range;
    std::string samplingPeriod; // without brackets; "-" where the window hides it (REC)
    bool bSamplingPeriodVisible = false;
    std::string recordingTime;
    std::string recordingLength;
    int nRecordingLengthDivs = 0;
    double dSecondsPerDiv = 0;
    double dRecordingTime = 0;
};

// The entry a condition list shows in an answer: "-" when it is disabled.
std::string ConditionText(const CCalculator& calc, CalcList list) {
    return calc.IsEnabled(list) ? calc.GetSelectedText(list) : "-";
}

// Picks the fitting range, or the longest when none fits, and reads the window.
CFitAnswer Answer(CCalculator& calc, double dSeconds) {
    const CCalculator::CFit fit = calc.FindFit(dSeconds);
    calc.Pick(CalcList::TimeRange, fit.nTimeRange);
    CFitAnswer answer;
    answer.bFits = fit.bFits;
    for (const CalcList list : kConditionLists) {
        answer.conditions.push_back(ConditionText(calc, list));
    }
    answer.range = calc.GetSelectedText(CalcList::TimeRange);
    answer.bSamplingPeriodVisible = calc.IsSamplingPeriodShown();
    answer.samplingPeriod = answer.bSamplingPeriodVisible ? calc.GetSamplingPeriod() : "-";
    answer.recordingTime = calc.GetRecordingTimeText();
    answer.recordingLength = calc.GetRecordingLengthText();
    answer.nRecordingLengthDivs = calc.GetRecordingLengthDivs();
    answer.dSecondsPerDiv = calc.GetSecondsPerDiv();
    answer.dRecordingTime = calc.GetRecordingTimeSeconds();
    return answer;
}

// The condition lists the selections picked in, in dialog order: --all holds them at the entry
// they show now.
std::vector<std::size_t> HeldLists(const PickedLists& picked) {
    std::vector<std::size_t> held;
    for (std::size_t i = 0; i < kConditionLists.size(); ++i) {
        if (std::find(picked.begin(), picked.end(), kConditionLists[i]) != picked.end()) {
            held.push_back(i);
        }
    }
    return held;
}

// Every combination of the lists not held that picks in them reach from the calculator's state,
// once each as the window shows it, with the held lists still at their entries.
std::vector<CFitAnswer> AnswerEveryCombination(CCalculator& calc, double dSeconds,
                                               const std::vector<std::size_t>& held) {
    std::vector<CalcList> varied;
    std::vector<std::string> heldEntries(kConditionLists.size());
    for (std::size_t i = 0; i < kConditionLists.size(); ++i) {
        if (std::find(held.begin(), held.end(), i) == held.end()) {
            varied.push_back(kConditionLists[i]);
        } else {
            heldEntries[i] = ConditionText(calc, kConditionLists[i]);
        }
    }
    std::vector<CFitAnswer> answers;
    std::set<std::vector<std::string>> seen;
    for (const CReachedState& state : WalkReachableStates(calc, varied)) {
        calc.RestoreSelection(state.selection);
        CFitAnswer answer = Answer(calc, dSeconds);
        // A pick in a list upstream may move a held list off its entry (REC disables the
        // channels): such a combination does not hold it.
        const bool bHolds = std::all_of(held.begin(), held.end(), [&](std::size_t i) {
            return answer.conditions[i] == heldEntries[i];
        });
        if (bHolds && seen.insert(answer.conditions).second) {
            answers.push_back(std::move(answer));
        }
    }
    // The combinations that fit first, the finest range first and among equals the longer
    // recording; then those where nothing fits, the longest recording first.
    std::stable_sort(answers.begin(), answers.end(), [](const CFitAnswer& a, const CFitAnswer& b) {
        if (a.bFits != b.bFits) {
            return a.bFits;
        }
        if (a.bFits && a.dSecondsPerDiv != b.dSecondsPerDiv) {
            return a.dSecondsPerDiv < b.dSecondsPerDiv;
        }
        return a.dRecordingTime > b.dRecordingTime;
    });
    return answers;
}

Json AnswerJson(const CFitAnswer& answer, const CDuration& duration) {
    Json conditions = Json::object();
    for (std::size_t i = 0; i < std::size(kConditionLists); ++i) {
        conditions[GetListName(kConditionLists[i])] = answer.conditions[i];
    }
    Json json = Json::object();
    json["conditions"] = std::move(conditions);
    json["fits"] = answer.bFits;
    json["range"] = answer.range;
    json["sampling_period"] = answer.samplingPeriod;
    json["recording_time"] = answer.recordingTime;
    json["recording_length"] = answer.recordingLength;
    json["seconds_per_div"] = answer.dSecondsPerDiv;
    json["recording_time_s"] = answer.dRecordingTime;
    json["duration"] = duration.typed;
    json["duration_s"] = duration.dSeconds;
    json["recording_length_divs"] = answer.nRecordingLengthDivs;
    json["sampling_period_visible"] = answer.bSamplingPeriodVisible;
    return json;
}

// The columns of one answer, after the conditions when there are several.
const char* const kAnswerColumns[] = {"range", "sampling_period", "recording_time",
                                      "recording_length"};

std::vector<std::string> AnswerCells(const CFitAnswer& answer) {
    return {answer.range, answer.samplingPeriod, answer.recordingTime, answer.recordingLength};
}

std::string AnswerText(const CFitAnswer& answer, const CDuration& duration) {
    std::string text;
    if (!answer.bFits) {
        text = NoRangeRecordsMessage(duration.typed, answer.recordingTime, answer.range) + '\n';
    }
    const std::vector<std::string> cells = AnswerCells(answer);
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        rows.push_back({kAnswerColumns[i], cells[i]});
    }
    return text + Columns(rows);
}

// "held: memory 1GW; varied: function, channels": the held lists that are enabled, with their
// entries, and the lists whose entry differs between the answers.
std::string HeldLine(const std::vector<CFitAnswer>& answers, const std::vector<std::size_t>& held) {
    std::string heldText;
    std::string variedText;
    for (std::size_t i = 0; i < kConditionLists.size(); ++i) {
        const std::string name = GetListName(kConditionLists[i]);
        const std::string& entry = answers.front().conditions[i];
        const bool bVaries =
            std::any_of(answers.begin(), answers.end(),
                        [&](const CFitAnswer& answer) { return answer.conditions[i] != entry; });
        if (std::find(held.begin(), held.end(), i) != held.end()) {
            if (entry != "-") {
                heldText.append(heldText.empty() ? "" : ", ")
                    .append(name)
                    .append(" ")
                    .append(entry);
            }
        } else if (bVaries) {
            variedText.append(variedText.empty() ? "" : ", ").append(name);
        }
    }
    const std::string none = lang::Translate("none");
    return lang::TranslateFormat("held: %1; varied: %2", {heldText.empty() ? none : heldText,
                                                          variedText.empty() ? none : variedText}) +
           '\n';
}

std::vector<std::string> AllHeader() {
    std::vector<std::string> header;
    header.reserve(kConditionLists.size() + 1 + std::size(kAnswerColumns));
    for (const CalcList list : kConditionLists) {
        header.emplace_back(GetListName(list));
    }
    header.emplace_back("fits");
    header.insert(header.end(), std::begin(kAnswerColumns), std::end(kAnswerColumns));
    return header;
}

std::vector<std::string> AllRow(const CFitAnswer& answer, const std::string& yes,
                                const std::string& no) {
    std::vector<std::string> row = answer.conditions;
    row.emplace_back(answer.bFits ? yes : no);
    const std::vector<std::string> cells = AnswerCells(answer);
    row.insert(row.end(), cells.begin(), cells.end());
    return row;
}

// "0 of 1 combination records less than ...", "2 of 5 combinations record less than ..."
std::string CountLine(std::size_t nNone, std::size_t nAll, const CDuration& duration) {
    const std::string none = std::to_string(nNone);
    if (nAll == 1) {
        return lang::TranslateFormat("%1 of 1 combination records less than %2 at every range",
                                     {none, QuoteTyped(duration.typed)}) +
               '\n';
    }
    return lang::TranslateFormat("%1 of %2 combinations record less than %3 at every range",
                                 {none, std::to_string(nAll), QuoteTyped(duration.typed)}) +
           '\n';
}

std::string AllText(const std::vector<CFitAnswer>& answers, const std::vector<std::size_t>& held,
                    const CDuration& duration) {
    std::vector<std::vector<std::string>> rows{AllHeader()};
    for (const CFitAnswer& answer : answers) {
        rows.push_back(AllRow(answer, lang::Translate("yes"), lang::Translate("no")));
    }
    const auto nNone = static_cast<std::size_t>(std::count_if(
        answers.begin(), answers.end(), [](const CFitAnswer& answer) { return !answer.bFits; }));
    return HeldLine(answers, held) + Columns(rows) + CountLine(nNone, answers.size(), duration);
}

std::string CsvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (const std::string& cell : cells) {
        line += (line.empty() ? "" : ",") + cell;
    }
    return line + '\n';
}

std::string SingleCsv(const CFitAnswer& answer) {
    std::vector<std::string> header{"fits"};
    header.insert(header.end(), std::begin(kAnswerColumns), std::end(kAnswerColumns));
    std::vector<std::string> row{answer.bFits ? "true" : "false"};
    const std::vector<std::string> cells = AnswerCells(answer);
    row.insert(row.end(), cells.begin(), cells.end());
    return CsvLine(header) + CsvLine(row);
}

std::string AllCsv(const std::vector<CFitAnswer>& answers) {
    std::string text = CsvLine(AllHeader());
    for (const CFitAnswer& answer : answers) {
        text += CsvLine(AllRow(answer, "true", "false"));
    }
    return text;
}

} // namespace

const char* const kFitDurationFirst =
    N_("the duration comes first, as in fit DURATION [LIST=VALUE ...]");
const char* const kFitDurationMissing =
    N_("fit needs a DURATION, which comes before the selections: spanwise-cli fit DURATION "
       "[LIST=VALUE ...]");

void AddFitOptions(CLI::App& subcommand, CCommandOptions& options) {
    subcommand
        .add_option("DURATION", options.duration,
                    lang::TranslateFormat("The recording time needed, e.g. %1, \"90 min\"",
                                          {lang::Translate(kDurationExamples)}))
        ->required()
        ->check(
            [](const std::string& text) {
                if (text == "-") {
                    return std::string(
                        lang::Translate("\"-\" is not a duration: scenario lines are read "
                                        "with fit DURATION -, the duration first"));
                }
                if (text.find('=') != std::string::npos) {
                    return lang::TranslateFormat(
                        "%1 is a selection: %2",
                        {QuoteTyped(text), lang::Translate(kFitDurationFirst)});
                }
                double dSeconds = 0;
                std::string error;
                return ParseDuration(text, dSeconds, error) ? std::string() : error;
            },
            "DURATION");
    subcommand
        .add_flag("--all", options.bAll,
                  lang::Translate("Try every combination of the Internal Memory, Function, "
                                  "Sampling, scanner and Channels lists, but those picked on the "
                                  "line"))
        ->disable_flag_override();
    CLI::Option* pJson =
        subcommand.add_flag("--json", options.bJson, lang::Translate("Write JSON"))
            ->disable_flag_override();
    subcommand
        .add_flag("--csv", options.bCsv,
                  lang::Translate("Write comma-separated values with a header line"))
        ->disable_flag_override()
        ->excludes(pJson);
}

AnswerFormat FitFormat(const CCommandOptions& options) {
    if (options.bJson) {
        return AnswerFormat::JsonLine;
    }
    return options.bCsv ? AnswerFormat::Csv : AnswerFormat::Text;
}

CAnswer AnswerFit(CCalculator& calc, const CCommandOptions& options, const PickedLists& picked) {
    CDuration duration{options.duration, 0};
    std::string error;
    if (!ParseDuration(options.duration, duration.dSeconds, error)) {
        return CAnswer{{}, error, kExitUsage};
    }
    if (!options.bAll) {
        const CFitAnswer answer = Answer(calc, duration.dSeconds);
        std::string text;
        if (options.bJson) {
            text = JsonText(AnswerJson(answer, duration)) + '\n';
        } else if (options.bCsv) {
            text = SingleCsv(answer);
        } else {
            text = AnswerText(answer, duration);
        }
        return {std::move(text), {}, answer.bFits ? kExitAnswered : kExitNothingFits};
    }
    const std::vector<std::size_t> held = HeldLists(picked);
    const std::vector<CFitAnswer> answers = AnswerEveryCombination(calc, duration.dSeconds, held);
    const bool bAnyFits = std::any_of(answers.begin(), answers.end(),
                                      [](const CFitAnswer& answer) { return answer.bFits; });
    std::string text;
    if (options.bJson) {
        Json array = Json::array();
        for (const CFitAnswer& answer : answers) {
            array.push_back(AnswerJson(answer, duration));
        }
        text = JsonText(array) + '\n';
    } else if (options.bCsv) {
        text = AllCsv(answers);
    } else {
        text = AllText(answers, held, duration);
    }
    return {std::move(text), {}, bAnyFits ? kExitAnswered : kExitNothingFits};
}

} // namespace spanwise::cli
