// Target checks before a history line is written.
#include "tracking/target_rules.h"

#include "text/path_split.h"
#include "text/utf8.h"

namespace {

constexpr std::string_view kLongPathPrefix = "\\\\?\\";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool ReadsAsRealPath(std::string_view target) {
    if (target.starts_with(kLongPathPrefix)) target.remove_prefix(kLongPathPrefix.size());
    if (!IsValidUtf8(target) || target.find(kReplacementCharacter) != std::string_view::npos) {
        return false;
    }
    for (unsigned char c : target) {
        // Characters no Windows file name can hold.
        if (c < 0x20 || c == '?' || c == '*' || c == '"' || c == '<' || c == '>' || c == '|') {
            return false;
        }
    }
    return true;
}

}  // namespace

bool IsRecordableTarget(std::string_view target) {
    return !target.empty() && !SplitPath(target).extension.empty() && ReadsAsRealPath(target);
}
