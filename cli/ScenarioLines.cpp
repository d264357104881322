#include "ScenarioLines.h"

#include "DescriptorBuffer.h"
#include "ExitStatus.h"
#include "InputDecoder.h"
#include "LineReader.h"
#include "Output.h"
#include "Scenario.h"
#include "ShellWords.h"
#include "lang/Catalogue.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace spanwise::cli {

namespace {

// Writes the answers of one run in the command's format, so that each names its line.
class CAnswerWriter {
public:
    CAnswerWriter(AnswerFormat format, std::ostream& out, std::ostream& err)
        : m_format(format), m_out(out), m_err(err) {}

    void Answer(long nLine, const std::string& text) {
        switch (m_format) {
        case AnswerFormat::JsonLine:
            m_out << text;
            break;
        case AnswerFormat::Text:
            // Answers of several lines are kept apart by a blank line.
            m_out << (m_bAnyAnswer ? "\n" : "") << "line " << nLine << ":\n" << text;
            break;
        case AnswerFormat::Csv:
            WriteCsvRows(nLine, text);
            break;
        }
        m_bAnyAnswer = true;
    }

    void Failure(long nLine, const std::string& error) {
        const std::string message = "line " + std::to_string(nLine) + ": " + error;
        if (m_format == AnswerFormat::JsonLine) {
            m_out << ErrorJson(message) << '\n';
            return;
        }
        m_out.flush(); // the answers before it come first on a shared terminal
        if (m_out) {
            m_err << "spanwise-cli: " << message << '\n';
        }
    }

private:
    // The answer's header once for the whole run, then its rows, each after its line's number.
    void WriteCsvRows(long nLine, const std::string& text) {
        const std::size_t headerEnd = text.find('\n');
        if (headerEnd == std::string::npos) {
            return;
        }
        if (!m_bAnyAnswer) {
            m_out << "line," << text.substr(0, headerEnd + 1);
        }
        const std::string prefix = std::to_string(nLine) + ',';
        for (std::size_t start = headerEnd + 1; start < text.size();) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            m_out << prefix << text.substr(start, end - start) << '\n';
            start = end + 1;
        }
    }

    AnswerFormat m_format;
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_bAnyAnswer = false;
};

} // namespace

int AnswerScenarioLines(const CCommand& command, const CCommandOptions& options, std::istream& in,
                        std::ostream& out, std::ostream& err) {
    CAnswerWriter writer(command.format(options), out, err);
    CInputDecoder decoded(*in.rdbuf());
    CLineReader reader(decoded);
    bool bAnyFailed = false;
    int nAnswerStatus = kExitAnswered; // the last status other than kExitAnswered an answer had
    std::string line;
    std::string text;      // the scenario so far: its lines joined by backslash-newline
    long nFirstLine = 0;   // the line the scenario began on
    bool bJoining = false; // the last line ended in a backslash
    std::vector<std::string> words;
    std::string error;

    for (bool bEnd = false; !bEnd && out;) {
        // Answers so far are written out before the run may wait for more input.
        if (reader.MayWait()) {
            out.flush();
        }
        bEnd = !reader.Next(line);
        if (!DescribeFailure(in).empty()) {
            break; // the line may be cut short
        }
        if (bEnd && !bJoining) {
            break;
        }
        if (!bJoining) {
            nFirstLine = reader.GetLineNumber();
            text.swap(line);
        } else {
            // At the end of the input a last backslash joins an empty line, as in a shell script.
            text += '\n';
            text += bEnd ? std::string() : line;
        }
        const SplitResult result = SplitShellWords(text, words, error);
        bJoining = result == SplitResult::Continues;
        if (bJoining || (result == SplitResult::Words && words.empty())) {
            continue;
        }
        const CAnswer answer = result == SplitResult::Words ? RunScenario(command, options, words)
                                                            : CAnswer{{}, error, kExitUsage};
        if (answer.error.empty()) {
            writer.Answer(nFirstLine, answer.text);
            if (answer.nExitStatus != kExitAnswered) {
                nAnswerStatus = answer.nExitStatus;
            }
        } else {
            bAnyFailed = true;
            writer.Failure(nFirstLine, answer.error);
        }
    }

    out.flush();
    if (!out) {
        return kExitIo; // the caller names the write error
    }
    const std::string readFailure = DescribeFailure(in);
    if (!readFailure.empty()) {
        err << "spanwise-cli: " << lang::TranslateFormat("standard input: %1", {readFailure})
            << '\n';
        return kExitIo;
    }
    return bAnyFailed ? kExitFailedLines : nAnswerStatus;
}

} // namespace spanwise::cli
