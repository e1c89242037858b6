// The user-visible text of a numbered message in the current interface language.
#pragma once

#include <string>

// Never fails: an ID without a text gives the empty string.
std::string MessageText(unsigned id);
