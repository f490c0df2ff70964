#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Invocation.h"

// The small XML documents the library reads its Subscribe and GetData parameters from, built
// from command-line texts. Texts are escaped; a text with a character that XML cannot carry at
// all (a control character other than tab, line feed and carriage return) throws UsageError.
namespace kavelin::cli {

// <PrefixMapList><PrefixMap><Prefix>p</Prefix><URL>n</URL></PrefixMap>...</PrefixMapList>, or
// an empty text when there are no pairs (the library then sends the path alone).
std::string PrefixMapDocument(const std::vector<NamePair>& prefixes);

// <SubscriptionInfo><EventName>..</EventName>[<ClientCookie>..</ClientCookie>]
// [<ReliabilityOption>..</ReliabilityOption>]</SubscriptionInfo>
std::string SubscriptionInfoDocument(const std::string& eventName,
                                     const std::optional<std::string>& cookie,
                                     const std::optional<std::string>& reliability);

// <Filter><FilterOn><Name>n</Name><Value>v</Value></FilterOn>...</Filter>, or an empty text
// when there are no pairs.
std::string FilterDocument(const std::vector<NamePair>& filters);

// `text` with &, <, >, " and ' replaced by their entities.
std::string EscapeXmlText(const std::string& text);

} // namespace kavelin::cli
