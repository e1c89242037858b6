// Putting a value into a message text whose wording (a translation) is not ours to trust.
#pragma once

#include <string>
#include <string_view>

// The text with its first "%s" replaced by `value`, taken as plain text. "%%" before it stands
// for one "%", as the message texts were written; every other "%" stays as it is, and so does
// any later "%s" (there is only one value). A text without "%s" comes back unchanged.
std::string FillPlaceholder(std::string_view text, std::string_view value);
