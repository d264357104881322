// libFuzzer target for the only outside input of spanwise-cli: its arguments and the scenario
// lines it reads with "-".
//
// An input that starts with 'A' is an argument vector: the bytes after the 'A' up to the first
// line end are the arguments, each ended by a NUL as in /proc/PID/cmdline (a last argument needs
// no NUL), and the bytes after that line end are standard input. It runs through the tool's own
// command line, RunCommandLine. An input that starts with 'D' is a duration: the bytes after the
// 'D' go to the duration reader that fit and Fit a Recording Time share. Any other input is one
// scenario (a line, or lines joined by a backslash), split as the tool splits it and answered by
// each command: report, state, table and table --csv.
//
// Every input must end in an answer or in a clear error; anything else aborts with a message,
// which libFuzzer reports as a crash and saves the input.

#include "calc/DurationParse.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/Scenario.h"
#include "cli/ShellWords.h"
#include "controls/DialogHost.h"
#include "lang/Catalogue.h"
#include "ui/Calculator.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using namespace ctl;

namespace {

using namespace spanwise::cli;
using Json = nlohmann::ordered_json;

[[noreturn]] void Fail(const std::string& what, const std::string& detail) {
    std::fprintf(stderr, "\nspanwise_cli_fuzzer: %s\n--- detail ---\n%s\n--------------\n",
                 what.c_str(), detail.c_str());
    std::abort();
}

void Check(bool bCondition, const char* what, const std::string& detail = "") {
    if (!bCondition) {
        Fail(what, detail);
    }
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> KeysOf(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items()) {
        keys.push_back(item.key());
    }
    return keys;
}

Json ParseJson(const std::string& text) {
    try {
        return Json::parse(text);
    } catch (const Json::exception& e) {
        Fail(std::string("output is not JSON: ") + e.what(), text);
    }
}

// One answer of state: the whole dialog with exactly the documented keys, each selection inside
// its list, and the report as the clipboard holds it.
void CheckState(const Json& state, const std::string& text) {
    const std::vector<std::string> keys{
        "lists",           "recording_length", "sampling_period",       "sampling_period_visible",
        "recording_time",  "report",           "recording_length_divs", "seconds_per_div",
        "recording_time_s"};
    Check(state.is_object() && KeysOf(state) == keys, "state has other keys", text);
    const Json& lists = state["lists"];
    const std::vector<std::string> listKeys{"model",   "memory",   "function", "sampling",
                                            "scanner", "channels", "range"};
    Check(lists.is_object() && KeysOf(lists) == listKeys, "state.lists has other keys", text);
    for (const auto& item : lists.items()) {
        const Json& list = item.value();
        Check(list.is_object() &&
                  KeysOf(list) == std::vector<std::string>{"entries", "selected", "enabled"},
              "a list has other keys", text);
        Check(list["entries"].is_array() && !list["entries"].empty(), "a list has no entries",
              text);
        for (const Json& entry : list["entries"]) {
            Check(entry.is_string(), "a list entry is not a string", text);
        }
        Check(list["selected"].is_number_integer(), "a selection is not a number", text);
        const auto nSelected = list["selected"].get<long long>();
        Check(nSelected >= 0 && nSelected < static_cast<long long>(list["entries"].size()),
              "a selection lies outside its list", text);
        Check(list["enabled"].is_boolean(), "enabled is not a boolean", text);
    }
    for (const char* key : {"recording_length", "sampling_period", "recording_time", "report"}) {
        Check(state[key].is_string() && !state[key].get<std::string>().empty(),
              "a shown text is empty", text);
    }
    Check(state["sampling_period_visible"].is_boolean(), "visibility is not a boolean", text);
    const std::string length = state["recording_length"];
    Check(length.size() > 4 && length.compare(length.size() - 4, 4, " div") == 0,
          "the recording length is not in divisions", text);
    Check(state["recording_time"].get<std::string>().size() <= 20,
          "the recording time is longer than the window shows", text);
    Check(state["recording_length_divs"].is_number_integer() &&
              state["seconds_per_div"].is_number() && state["recording_time_s"].is_number(),
          "a number behind the texts is not a number", text);
}

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

bool AllDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The entry a "LIST=VALUE" selection names on the dialog as it is now, worked out afresh from
// what ApplyPick promises: -1 where the pick must fail.
int ExpectedPick(const spanwise::CCalculator& calc, const std::string& selection,
                 spanwise::CalcList& list) {
    using spanwise::CalcList;
    static const std::pair<const char*, CalcList> kLists[] = {
        {"model", CalcList::Model},       {"memory", CalcList::Memory},
        {"function", CalcList::Function}, {"sampling", CalcList::Sampling},
        {"scanner", CalcList::Scanner},   {"channels", CalcList::Channels},
        {"range", CalcList::TimeRange}};
    const std::size_t equals = selection.find('=');
    if (equals == std::string::npos) {
        return -1;
    }
    const std::string name = Lower(selection.substr(0, equals));
    const std::string value = selection.substr(equals + 1);
    bool bFound = false;
    for (const auto& [listName, named] : kLists) {
        if (name == listName) {
            list = named;
            bFound = true;
        }
    }
    if (!bFound || !calc.IsEnabled(list)) {
        return -1;
    }
    const std::vector<std::string>& entries = calc.GetEntries(list);
    const long long nCount = static_cast<long long>(entries.size());
    // "#N" with N decimal digits is a position; with a sign before them, an error.
    if (value.size() > 1 && value[0] == '#') {
        const std::string number = value.substr(1);
        if ((number[0] == '-' || number[0] == '+') && AllDigits(number.substr(1))) {
            return -1;
        }
        if (AllDigits(number)) {
            const std::size_t first = std::min(number.find_first_not_of('0'), number.size());
            const std::string significant = number.substr(first);
            if (significant.size() > 9 || std::stoll("0" + significant) >= nCount) {
                return -1;
            }
            return static_cast<int>(std::stoll("0" + significant));
        }
    }
    // Else the first entry of that text, in any case, or the one entry it begins; an entry is
    // also known by its translations ("1軸サンプリング" begins with "1").
    std::vector<int> beginnings;
    for (long long i = 0; i < nCount; ++i) {
        bool bBegins = false;
        for (const std::string& name :
             spanwise::lang::GetEveryTranslation(entries[static_cast<std::size_t>(i)].c_str())) {
            const std::string entry = Lower(name);
            if (entry == Lower(value)) {
                return static_cast<int>(i);
            }
            bBegins =
                bBegins || (!value.empty() && entry.compare(0, value.size(), Lower(value)) == 0);
        }
        if (bBegins) {
            beginnings.push_back(static_cast<int>(i));
        }
    }
    return beginnings.size() == 1 ? beginnings.front() : -1;
}

// Messages are printed on terminals: no control characters but their line ends, no escape
// sequences, nothing that is not UTF-8 (a strict JSON dump throws on that) and none of the
// invisible characters that could hide what was typed.
void CheckPrintable(const std::string& text, const std::string& detail) {
    try {
        (void)Json(text).dump();
    } catch (const Json::exception&) {
        Fail("a message is not UTF-8", detail);
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        Check(c >= 0x20 || c == '\n', "a message holds a control character", detail);
        Check(c != 0x7F, "a message holds DEL", detail);
        if (c < 0x80 || (c & 0xC0U) == 0x80U) {
            continue;
        }
        // The code point of the sequence that starts here; the dump above proved it well formed.
        const int nLength = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        std::uint32_t codePoint = c & (0x7FU >> static_cast<unsigned>(nLength));
        for (int k = 1; k < nLength; ++k) {
            codePoint = (codePoint << 6U) | (static_cast<unsigned char>(text[i + k]) & 0x3FU);
        }
        const bool bInvisible = (codePoint >= 0x80 && codePoint <= 0xA0) || codePoint == 0xAD ||
                                (codePoint >= 0x200B && codePoint <= 0x200F) ||
                                (codePoint >= 0x202A && codePoint <= 0x202E) ||
                                (codePoint >= 0x2060 && codePoint <= 0x2069) ||
                                codePoint == 0xFEFF ||
                                (codePoint >= 0xE0000 && codePoint <= 0xE007F);
        Check(!bInvisible, "a message holds an invisible character", detail);
    }
}

// The selections one by one: each that names an enabled list and one of its entries is applied
// and selects that entry; any other fails with a message and leaves the dialog as it was.
void CheckPicks(const std::vector<std::string>& selections) {
    CHeadlessHost host;
    spanwise::CCalculator calc(host);
    for (const std::string& selection : selections) {
        spanwise::CalcList list = spanwise::CalcList::Model;
        const int nExpected = ExpectedPick(calc, selection, list);
        const std::string before = StateJson(calc, calc.GetReport());
        std::string error;
        const bool bOk = ApplyPick(calc, selection, error);
        if (nExpected < 0) {
            Check(!bOk, "a pick that names no enabled entry was applied", selection);
            Check(!error.empty(), "a failing pick has no message", selection);
            CheckPrintable(error, selection + "\n" + error);
            Check(StateJson(calc, calc.GetReport()) == before, "a failing pick changed the dialog",
                  selection);
        } else {
            Check(bOk, "a pick of an enabled entry failed", selection + "\n" + error);
            Check(calc.GetSelected(list) == nExpected, "a pick selected another entry", selection);
        }
    }
}

// A scenario, answered by every command: all four agree on whether the picks apply.
void RunLine(const std::string& line) {
    std::vector<std::string> words;
    std::string error;
    SplitResult split = SplitShellWords(line, words, error);
    if (split == SplitResult::Continues) {
        // As at the end of the input: the backslash joins an empty line.
        split = SplitShellWords(line + '\n', words, error);
        Check(split != SplitResult::Continues, "a joined empty line asks for another", line);
    }
    if (split == SplitResult::Failed) {
        Check(!error.empty(), "a line that cannot be split has no message", line);
        return;
    }
    Check(line.find('\0') == std::string::npos, "a line with a NUL byte was split", line);
    CheckPicks(words);

    const CCommand& reportCommand = *FindCommand("report");
    const CCommand& stateCommand = *FindCommand("state");
    const CCommand& tableCommand = *FindCommand("table");
    CCommandOptions options;
    const CAnswer report = RunScenario(reportCommand, options, words);
    const bool bOk = report.error.empty();
    if (!bOk) {
        Check(report.text.empty(), "a failing scenario wrote an answer", line);
        Check(report.nExitStatus == 2, "a failing selection is not a usage error", line);
    } else {
        Check(!report.text.empty() && report.text.back() == '\n', "the report is not whole lines",
              report.text);
        Check(report.text.find('\r') == std::string::npos, "the report keeps CR on a terminal",
              report.text);
    }

    const CAnswer state = RunScenario(stateCommand, options, words);
    Check(state.error == report.error, "state and report disagree on the picks",
          line + "\n" + state.error + "\n" + report.error);
    if (bOk) {
        const std::string& out = state.text;
        Check(std::count(out.begin(), out.end(), '\n') == 1 && out.back() == '\n',
              "state is not one line", out);
        const Json json = ParseJson(out);
        CheckState(json, out);
        Check(ToTerminalLines(json["report"].get<std::string>()) == report.text,
              "state's report differs from the report", out + "\n" + report.text);
    }

    std::vector<std::string> rows[2];
    for (const bool bCsv : {false, true}) {
        options.bCsv = bCsv;
        const CAnswer table = RunScenario(tableCommand, options, words);
        Check(table.error == report.error, "table and report disagree on the picks", line);
        if (bOk) {
            Check(!table.text.empty() && table.text.back() == '\n', "the table is not whole lines",
                  table.text);
            rows[bCsv] = SplitLines(table.text);
        }
    }
    if (bOk) {
        Check(rows[0].size() == rows[1].size() && rows[1].size() >= 2,
              "the two tables have different rows", line);
        Check(rows[1][0] == "range,sampling_period,recording_time", "the CSV header is wrong",
              rows[1][0]);
    }
}

// The number that starts at text[start] and is followed by after ("12" of "line 12:" or of
// "12,..."), or -1.
long LineNumberAt(const std::string& text, std::size_t start, char after) {
    std::size_t end = start;
    while (end < text.size() && end - start < 9 && text[end] >= '0' && text[end] <= '9') {
        ++end;
    }
    if (end == start || end >= text.size() || text[end] != after) {
        return -1;
    }
    return std::stol(text.substr(start, end - start));
}

// Answers to scenario lines name their lines, in rising order: "line N:" before each text
// answer, a first column "line" under one header in CSV (csvHeader, with that column).
void CheckLineNumbers(const std::string& outText, bool bCsv, const std::string& csvHeader,
                      const std::string& detail) {
    const std::vector<std::string> lines = SplitLines(outText);
    const auto nColumns = std::count(csvHeader.begin(), csvHeader.end(), ',');
    long nLast = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (bCsv) {
            if (i == 0) {
                Check(line == csvHeader, "the batch CSV header is wrong", detail);
                continue;
            }
            const long nLine = LineNumberAt(line, 0, ',');
            Check(nLine >= nLast && nLine > 0 &&
                      std::count(line.begin(), line.end(), ',') == nColumns,
                  "a batch CSV row does not name its line", detail);
            nLast = nLine;
            continue;
        }
        const long nHeading = line.rfind("line ", 0) == 0 ? LineNumberAt(line, 5, ':') : -1;
        const bool bHeading =
            nHeading > 0 && line.size() == 5 + std::to_string(nHeading).size() + 1;
        Check(i > 0 || bHeading, "the first answer has no heading", detail);
        if (bHeading) {
            Check(nHeading > nLast, "headings do not rise", detail);
            Check(i == 0 || lines[i - 1].empty(), "answers are not kept apart", detail);
            nLast = nHeading;
        }
    }
}

// Whether text holds "inf" in any case: only typed text may show it, never a number.
bool HoldsInf(const std::string& text) {
    return Lower(text).find("inf") != std::string::npos;
}

// The characters of UTF-8 text (CheckPrintable has proved it well formed).
std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

// The members of every fit answer in JSON, in order.
const std::vector<std::string> kFitKeys{"conditions",
                                        "fits",
                                        "range",
                                        "sampling_period",
                                        "recording_time",
                                        "recording_length",
                                        "seconds_per_div",
                                        "recording_time_s",
                                        "duration",
                                        "duration_s",
                                        "recording_length_divs",
                                        "sampling_period_visible"};

void CheckFitAnswer(const Json& answer, const std::string& detail) {
    Check(answer.is_object() && KeysOf(answer) == kFitKeys, "a fit answer has other keys", detail);
    Check(answer["conditions"].is_object() && answer["conditions"].size() == 5,
          "a fit answer's conditions are not the five lists", detail);
    Check(answer["duration_s"].is_number() && answer["duration_s"].get<double>() > 0 &&
              std::isfinite(answer["duration_s"].get<double>()),
          "a fit answer's duration is not a positive number", detail);
    Check(answer["recording_length_divs"].is_number_integer() &&
              answer["sampling_period_visible"].is_boolean(),
          "a fit answer's members have other types", detail);
    Check(answer["fits"] ==
              (answer["recording_time_s"].get<double>() >= answer["duration_s"].get<double>()),
          "fits disagrees with the numbers", detail);
}

// The condition lists that the selections on the command line name: fit --all holds them.
std::vector<std::string> HeldListNames(const std::vector<std::string>& args) {
    std::vector<std::string> held;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::size_t equals = args[i].find('=');
        const std::string name = Lower(args[i].substr(0, equals));
        if (equals != std::string::npos &&
            (name == "memory" || name == "function" || name == "sampling" || name == "scanner" ||
             name == "channels")) {
            held.push_back(name);
        }
    }
    return held;
}

// A duration through the reader: read, it is a positive number of seconds, read alike in any case
// (but "M") and among blanks, and Fit a Recording Time reads it alike; refused, it says why,
// shortly and printably.
void RunDuration(const std::string& text) {
    double dSeconds = 0;
    std::string error;
    const bool bRead = spanwise::ParseDuration(text, dSeconds, error);
    if (bRead) {
        Check(error.empty(), "a duration read with a message", text);
        Check(std::isfinite(dSeconds) && dSeconds > 0, "a duration read as no positive number",
              text);
        std::string upper = text;
        for (char& c : upper) {
            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        // "m" is minutes, but "M" alone is months, which are refused.
        double dAgain = 0;
        const bool bAgain = spanwise::ParseDuration(" " + upper + "\t", dAgain, error);
        Check((bAgain && dAgain == dSeconds) ||
                  (!bAgain && error.find("\"M\" is not accepted") != std::string::npos),
              "a duration reads otherwise in capitals or among blanks", text);
    } else {
        Check(!error.empty(), "a refused duration has no message", text);
        CheckPrintable(error, text + "\n" + error);
        Check(error.size() <= spanwise::kLongestDurationMessage, "a duration message is too long",
              error);
        Check(!HoldsInf(error) || HoldsInf(text), "a duration message shows inf", error);
    }
    CHeadlessHost host;
    spanwise::CCalculator calc(host);
    calc.Show();
    calc.FitRecordingTime(text);
    const bool bRefusedByDialog =
        !host.Messages().empty() &&
        host.Messages().front().text.rfind("Cannot read the recording time: ", 0) == 0;
    Check(bRefusedByDialog != bRead, "the dialog and the reader disagree", text);
    if (!host.Messages().empty()) {
        Check(CharacterCount(host.Messages().front().text) <= 200, "a message box is too long",
              host.Messages().front().text);
    }
}

// An argument vector through the tool's own command line.
void RunArguments(const std::string& bytes) {
    const std::size_t lineEnd = bytes.find('\n');
    const std::string argBytes = bytes.substr(0, lineEnd);
    const std::string input = lineEnd == std::string::npos ? "" : bytes.substr(lineEnd + 1);

    std::vector<std::string> args{"spanwise-cli"};
    std::size_t start = 0;
    while (start < argBytes.size()) {
        const std::size_t end = std::min(argBytes.find('\0', start), argBytes.size());
        args.push_back(argBytes.substr(start, end - start));
        start = end + 1;
    }
    // The checks below read the English messages; the other languages are the tests' concern.
    if (std::any_of(args.begin(), args.end(),
                    [](const std::string& arg) { return arg.rfind("--lang", 0) == 0; })) {
        return;
    }
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    argv.push_back(nullptr);

    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int nExit = RunCommandLine(static_cast<int>(args.size()), argv.data(), in, out, err);
    const std::string outText = out.str();
    const std::string errText = err.str();
    const std::string detail =
        "exit " + std::to_string(nExit) + "\n--- out ---\n" + outText + "\n--- err ---\n" + errText;

    const bool bReadsLines = std::find(args.begin() + 1, args.end(), "-") != args.end();
    CheckPrintable(errText, detail);
    for (const std::string& line : SplitLines(errText)) {
        Check(line.rfind("spanwise-cli: ", 0) == 0 ||
                  line.rfind("Try 'spanwise-cli --help'", 0) == 0,
              "a message does not name the program", detail);
    }
    switch (nExit) {
    case 0:
        Check(errText.empty(), "a success wrote to standard error", detail);
        Check(bReadsLines || !outText.empty(), "a success answered nothing", detail);
        break;
    case 1:
        Check(bReadsLines, "exit status 1 without scenario lines", detail);
        Check(!errText.empty() || outText.find("{\"error\":") != std::string::npos,
              "failing lines were not reported", detail);
        break;
    case 2:
        Check(!errText.empty(), "a usage error has no message", detail);
        Check(errText.find("'spanwise-cli --help'") != std::string::npos,
              "a usage error does not say how to get help", detail);
        Check(outText.empty(), "a usage error also answered", detail);
        break;
    case 3:
        Check(args.size() > 1 && args[1] == "fit", "exit status 3 from a command other than fit",
              detail);
        Check(!outText.empty(), "fit found nothing and said nothing", detail);
        break;
    default:
        Fail("unexpected exit status", detail);
    }

    // Messages about a DURATION are short.
    if (errText.rfind("spanwise-cli: DURATION: ", 0) == 0) {
        Check(CharacterCount(errText.substr(0, errText.find('\n'))) <= 200,
              "a DURATION message is over 200 characters", detail);
    }

    // The command that answered: the first argument, or report for selections without one.
    const CCommand* command = args.size() > 1 ? FindCommand(args[1]) : nullptr;
    if (command == nullptr && args.size() > 1 &&
        (args[1] == "-" || args[1].find('=') != std::string::npos)) {
        command = FindCommand("report");
    }
    const bool bFit = command != nullptr && std::string(command->name) == "fit";
    // A flag with "=" and nothing after it is the flag.
    const auto hasFlag = [&args](const std::string& flag) {
        return std::any_of(args.begin() + 1, args.end(), [&flag](const std::string& arg) {
            return arg == flag || arg == flag + "=";
        });
    };
    const bool bJson = hasFlag("--json");
    const bool bCsv = hasFlag("--csv");
    const bool bHelpOrVersion = outText.find("Usage: spanwise-cli") != std::string::npos ||
                                outText.rfind("Spanwise V", 0) == 0;
    if (bReadsLines && (nExit < 2 || nExit == 3) && command != nullptr &&
        std::string(command->name) != "state" && !(bFit && bJson) && !outText.empty() &&
        !bHelpOrVersion) {
        const bool bAll = std::find(args.begin() + 1, args.end(), "--all") != args.end();
        std::string csvHeader = "line,range,sampling_period,recording_time";
        if (bFit) {
            csvHeader = std::string("line,") +
                        (bAll ? "memory,function,sampling,scanner,channels," : "") +
                        "fits,range,sampling_period,recording_time,recording_length";
        }
        CheckLineNumbers(outText, bCsv, csvHeader, detail);
    }

    // No fit answer shows an infinite number; only typed text may say "inf".
    if (bFit && !bHelpOrVersion) {
        const bool bTypedInf =
            std::any_of(args.begin() + 1, args.end(), HoldsInf) || HoldsInf(input);
        Check(bTypedInf || !HoldsInf(outText), "a fit answer shows inf", detail);
    }

    // fit --json answers are JSON Lines, each an answer, a list of answers, or an error; under
    // --all every answer holds the lists picked on the command line at one entry.
    if (bFit && bJson && !bHelpOrVersion) {
        const bool bAll = std::find(args.begin() + 1, args.end(), "--all") != args.end();
        for (const std::string& line : SplitLines(outText)) {
            const Json answer = ParseJson(line);
            if (answer.is_object() && answer.contains("error")) {
                Check(bReadsLines && KeysOf(answer) == std::vector<std::string>{"error"},
                      "a fit error answer is malformed", line);
                continue;
            }
            if (!bAll) {
                CheckFitAnswer(answer, line);
                continue;
            }
            Check(answer.is_array() && !answer.empty(), "fit --all gave no array of answers", line);
            for (const Json& each : answer) {
                CheckFitAnswer(each, line);
                if (!bReadsLines) {
                    for (const std::string& list : HeldListNames(args)) {
                        Check(each["conditions"][list] == answer[0]["conditions"][list],
                              "fit --all varied a list picked on the line", detail);
                    }
                }
            }
        }
        return;
    }

    // state answers are JSON Lines, each the dialog or an error.
    if (!outText.empty() && outText.front() == '{') {
        for (const std::string& line : SplitLines(outText)) {
            const Json answer = ParseJson(line);
            if (answer.is_object() && answer.contains("error")) {
                Check(KeysOf(answer) == std::vector<std::string>{"error"} &&
                          answer["error"].is_string() &&
                          !answer["error"].get<std::string>().empty(),
                      "an error answer is malformed", line);
                CheckPrintable(answer["error"].get<std::string>(), line);
            } else {
                CheckState(answer, line);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!bytes.empty() && bytes[0] == 'A') {
        RunArguments(bytes.substr(1));
    } else if (!bytes.empty() && bytes[0] == 'D') {
        RunDuration(bytes.substr(1));
    } else {
        RunLine(bytes);
    }
    return 0;
}
