#include "AnswerOutput.h"

#include <algorithm>

#include "AnswerKind.h"
#include "AnswerNodes.h"
#include "JsonText.h"

namespace kavelin::cli {

namespace {

// Answers end with a line feed so that the shell prompt does not follow them on the same line.
std::string AsLine(std::string text) {
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    return text;
}

// Only nodes are split: the text of string() or concat() may hold '<' and '&' that are no
// markup, so it prints as it came.
std::string FormattedAnswer(const std::string& answer, bool nodes, AnswerFormat format) {
    if (format == AnswerFormat::AsSent || !nodes)
        return AsLine(answer);
    std::string lines;
    for (const AnswerNode& node : SplitAnswer(answer))
        lines += (format == AnswerFormat::Text ? node.text : node.markup) + '\n';
    return lines;
}

std::string AnswerJson(const std::string& answer, bool nodes) {
    std::string json = "\"answer\":" + JsonString(answer);
    if (!nodes)
        return json;
    json += ",\"nodes\":[";
    const char* separator = "";
    for (const AnswerNode& node : SplitAnswer(answer)) {
        json += separator;
        json +=
            "{\"markup\":" + JsonString(node.markup) + ",\"text\":" + JsonString(node.text) + '}';
        separator = ",";
    }
    return json + ']';
}

std::string GetDataOutput(const Invocation& invocation, const std::vector<std::string>& answers) {
    std::string output;
    const char* separator = "";
    for (size_t i = 0; i < answers.size() && i < invocation.xpaths.size(); ++i) {
        const std::string& xpath = invocation.xpaths[i];
        const bool nodes = AnswerIsNodes(xpath);
        if (!invocation.json) {
            // Line i is answer i, also when one of them is empty: a script reads them in order.
            const bool keepLine = invocation.xpaths.size() > 1 && answers[i].empty() &&
                                  invocation.answerFormat == AnswerFormat::AsSent;
            output += keepLine ? "\n" : FormattedAnswer(answers[i], nodes, invocation.answerFormat);
            continue;
        }
        output += separator;
        output += "{\"xpath\":" + JsonString(xpath) + ',' + AnswerJson(answers[i], nodes) + '}';
        separator = ",";
    }
    if (!invocation.json || answers.empty())
        return output;
    return (invocation.xpaths.size() > 1 ? '[' + output + ']' : output) + '\n';
}

} // namespace

std::string AnswerOutput(const Invocation& invocation, const std::vector<std::string>& answers) {
    if (invocation.command == Command::GetData)
        return GetDataOutput(invocation, answers);
    std::string output;
    for (const std::string& answer : answers) {
        switch (invocation.command) {
        case Command::Settable:
            output += invocation.json ? '{' + AnswerJson(answer, true) + "}\n"
                      : invocation.answerFormat == AnswerFormat::Lines
                          ? FormattedAnswer(answer, true, AnswerFormat::Text)
                          : AsLine(answer);
            break;
        case Command::Events:
            output += (invocation.json ? JsonString(answer) : answer) + '\n';
            break;
        case Command::Subscribe:
            output += invocation.json ? "{\"subscription\":" + JsonString(answer) + "}\n"
                                      : AsLine(answer);
            break;
        case Command::Unsubscribe:
            if (invocation.json)
                output += "{\"subscription\":" + JsonString(answer) + ",\"cancelled\":true}\n";
            break;
        default:
            break;
        }
    }
    return output;
}

bool AnyAnswerEmpty(const Invocation& invocation, const std::vector<std::string>& answers) {
    return invocation.command == Command::GetData &&
           std::any_of(answers.begin(), answers.end(),
                       [](const std::string& answer) { return answer.empty(); });
}

} // namespace kavelin::cli
