#include "ClosestName.h"

#include <algorithm>

namespace kavelin::cli {

namespace {

size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::optional<std::string> ClosestName(const std::string& typed,
                                       const std::vector<std::string>& known) {
    const size_t allowed = std::min<size_t>(2, std::max<size_t>(1, typed.size() / 3));
    std::optional<std::string> closest;
    size_t best = allowed + 1;
    for (const std::string& name : known) {
        const size_t distance = EditDistance(typed, name);
        if (distance < best) {
            best = distance;
            closest = name;
        }
    }
    return closest;
}

} // namespace kavelin::cli
