// A message text gets its one value as plain text, whatever either of them holds.
#include "text/placeholder.h"

#include <gtest/gtest.h>

namespace {

TEST(FillPlaceholder, PutsTheValueAtTheFirstPlaceholderOnly) {
    struct Case {
        const char* text;
        const char* value;
        const char* filled;
    };
    const Case cases[] = {
        {"Cannot save list to '%s'", "C:\\a.htm", "Cannot save list to 'C:\\a.htm'"},
        {"%s", "x", "x"},
        {"'%s' nicht gespeichert", "C:\\100% %s %d.htm", "'C:\\100% %s %d.htm' nicht gespeichert"},
        {"%d %n %s %x", "v", "%d %n v %x"},         // other conversions are only text
        {"100%% of '%s'", "v", "100% of 'v'"},
        {"'%s' and '%s'", "v", "'v' and '%s'"},     // one value: a second placeholder stays
        {"after %s 50%%", "v", "after v 50%%"},     // past the value nothing is read
        {"no placeholder", "v", "no placeholder"},
        {"ends with %", "v", "ends with %"},
        {"", "v", ""},
        {"%s", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FillPlaceholder(c.text, c.value), c.filled) << c.text;
}

}  // namespace
