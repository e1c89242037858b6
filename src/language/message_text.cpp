// Message texts: the built-in English table until a language is selected.
#include "language/message_text.h"

#include "language/message_table.h"

std::string MessageText(unsigned id) { return std::string(BuiltInMessageText(id)); }
