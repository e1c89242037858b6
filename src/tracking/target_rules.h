// Which resolved shortcut targets become history lines.
#pragma once

#include <string_view>

// A target is recorded when it has an extension (which leaves out unresolved shortcuts and
// most folders) and reads as a real path: a name that came back with "?" in place of
// characters the shell could not convert, or with replacement characters, would name a
// document that does not exist.
bool IsRecordableTarget(std::string_view target);
