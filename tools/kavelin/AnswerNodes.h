#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavelin::cli {

// One top-level node of a get-data answer: an element as the device wrote it, or a run of
// text between elements.
struct AnswerNode {
    std::string markup; // the node's own characters, unchanged
    std::string text;   // its text content: character references and CDATA resolved
};

// The answer split into its top-level nodes, in order; text that is only white space between
// elements is no node. Markup that does not close (a truncated answer) ends the last node.
std::vector<AnswerNode> SplitAnswer(std::string_view answer);

} // namespace kavelin::cli
