// Stored registry data of any shape decodes to a setting's value or to "use the default".
#include "settings/registry_data.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace registry_type;

TEST(NumberFromRegistryData, OnlyAFourByteDword) {
    EXPECT_EQ(NumberFromRegistryData(kDword, Bytes{0x2A, 0, 0, 0}), 42u);
    EXPECT_EQ(NumberFromRegistryData(kDword, Bytes{0xFF, 0xFF, 0xFF, 0xFF}), 0xFFFFFFFFu);
    EXPECT_EQ(NumberFromRegistryData(kDword, Bytes{0x78, 0x56, 0x34, 0x12}), 0x12345678u);

    EXPECT_FALSE(NumberFromRegistryData(kDword, Bytes{1, 0}));                    // too short
    EXPECT_FALSE(NumberFromRegistryData(kDword, Bytes{1, 0, 0, 0, 0, 0, 0, 0}));  // too long
    EXPECT_FALSE(NumberFromRegistryData(kDword, Bytes{}));
    EXPECT_FALSE(NumberFromRegistryData(kQword, Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(NumberFromRegistryData(kString, Bytes{'1', '2', '3', 0}));  // a text of 4 bytes
    EXPECT_FALSE(NumberFromRegistryData(kBinary, Bytes{1, 0, 0, 0}));
    EXPECT_FALSE(NumberFromRegistryData(kDwordBigEndian, Bytes{0, 0, 0, 1}));
}

TEST(TextFromRegistryData, EndsAtTheFirstZeroOrTheDataEnd) {
    EXPECT_EQ(TextFromRegistryData(kString, Bytes{'a', 'b', 0}), "ab");
    EXPECT_EQ(TextFromRegistryData(kExpandString, Bytes{'%', 'x', '%', 0}), "%x%");
    EXPECT_EQ(TextFromRegistryData(kString, Bytes{0}), "");
    EXPECT_EQ(TextFromRegistryData(kString, Bytes{}), "");
    EXPECT_EQ(TextFromRegistryData(kString, Bytes{'a', 0, 'b', 0}), "a");
}

TEST(TextFromRegistryData, UnterminatedTextStaysWithinItsData) {
    // The bytes after the value's data are not part of it, whatever they hold.
    const Bytes buffer{'a', 'b', 'c', 'X', 'Y', 0};
    EXPECT_EQ(TextFromRegistryData(kString, std::span(buffer.data(), 3)), "abc");
}

TEST(TextFromRegistryData, OtherTypesAreNoText) {
    EXPECT_FALSE(TextFromRegistryData(kDword, Bytes{'a', 'b', 'c', 0}));
    EXPECT_FALSE(TextFromRegistryData(kBinary, Bytes{'a', 0}));
    EXPECT_FALSE(TextFromRegistryData(kMultiString, Bytes{'a', 0, 0}));
    EXPECT_FALSE(TextFromRegistryData(kNone, Bytes{}));
}

TEST(ListTextFromRegistryData, EveryTypeContributesAText) {
    EXPECT_EQ(ListTextFromRegistryData(kString, Bytes{'C', ':', '\\', 0}), "C:\\");
    EXPECT_EQ(ListTextFromRegistryData(kDword, Bytes{0x39, 0x30, 0, 0}), "12345");
    EXPECT_EQ(ListTextFromRegistryData(kQword, Bytes{0, 0, 0, 0, 1, 0, 0, 0}), "4294967296");
    EXPECT_EQ(ListTextFromRegistryData(kMultiString, Bytes{'a', 0, 'b', 0, 0}), "a");
    EXPECT_EQ(ListTextFromRegistryData(kBinary, Bytes{'x', 'y'}), "xy");
    EXPECT_EQ(ListTextFromRegistryData(kDword, Bytes{'h', 'i'}), "hi");  // not a whole number
    EXPECT_EQ(ListTextFromRegistryData(kNone, Bytes{}), "");
}

}  // namespace
