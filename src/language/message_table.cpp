// The message table: every numbered text the program builds at run time, in English.
#include "language/message_table.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "language/web_addresses.h"

namespace {

constexpr std::pair<unsigned, std::string_view> kMessages[] = {
    {1000, "The old password is wrong, please try again"},
    {1010, "The new password and the confirmed password are not the same, please try again"},
    {1020, "The password has been changed successfully"},
    {1800, "Are you sure you want to send selected document(s) to the Recycle Bin?"},
    {1810, "Cannot delete document '%s'"},
    {1820, "Moving Document(s)"},
    {1830, "Copying Document(s)"},
    {1840, "Cannot move document"},
    {1850, "Cannot copy document"},
    {1860, "Operation completed successfully"},
    {1870, "Are you sure you want to clear the list?"},
    {1880, "Cannot save list to '%s'"},
    {1890, "HTML Files (*.htm)|*.htm|Text Files (*.txt)|*.txt"},
    {1900, "Yes"},
    {2000, "The password is wrong, please try again"},
    {2100, "Filter"},
    {2200, "Type"},
    {2300, "Date"},
    {2400, "None"},
    {2500, "Total"},
    {2600, "Selected"},
    {2700, "Help"},
    {2800, "Name"},
    {2900, "Folder"},
    {3000, "Size"},
    {3100, "Accessed"},
    {3200, "Created"},
    {3300, "Modified"},
    {3400, "Cannot save to the dat-file"},
    {3500, "Cannot read from the dat-file"},
    {3710, "The hot key for the main window cannot be used: another program has it, or it is the same as the other hot key. Please choose another one."},
    {3720, "The hot key for the small \"recent documents\" window cannot be used: another program has it, or it is the same as the other hot key. Please choose another one."},
    {3730, "A letter, digit or punctuation key needs Ctrl or Alt to be a hot key: alone it would stop you typing that character in every program."},
    {3740, "Cannot write the entry that starts Kestrum with Windows."},
    {3750, "Checking"},
};

static_assert(std::is_sorted(std::begin(kMessages), std::end(kMessages),
                             [](const auto& a, const auto& b) { return a.first < b.first; }));

}  // namespace

unsigned LastBuiltInMessageId() { return std::end(kMessages)[-1].first; }

std::string_view BuiltInMessageText(unsigned id) {
    const auto found = std::lower_bound(std::begin(kMessages), std::end(kMessages), id,
                                        [](const auto& entry, unsigned key) { return entry.first < key; });
    return found != std::end(kMessages) && found->first == id ? found->second : std::string_view{};
}

std::string_view BuiltInTranslatorText(unsigned index) {
    switch (index) {
        case 0: return "Quillon Works";
        case 1: return kSupportEmail;
        case 2: return "Feb  9 2007";
        default: return {};
    }
}
