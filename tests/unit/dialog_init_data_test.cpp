// A dialog's initial data: well-formed records become items, anything damaged is refused whole.
#include "ui/dialog_init_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& bytes, unsigned value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutRecord(Bytes& bytes, unsigned control, unsigned message, const std::string& text, int lengthSkew = 0) {
    Put16(bytes, control);
    Put16(bytes, message);
    const unsigned length = static_cast<unsigned>(text.size() + 1 + lengthSkew);
    Put16(bytes, length);
    Put16(bytes, 0);
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0);
}

TEST(ParseDialogInitData, ReadsComboAndListItemsInOrder) {
    Bytes bytes;
    PutRecord(bytes, 1022, 0x0403, "2 Days");
    PutRecord(bytes, 1022, 0x0143, "Week");  // odd length: the next record is not aligned
    PutRecord(bytes, 1026, 0x0180, "Zürich");
    Put16(bytes, 0);
    const auto items = ParseDialogInitData(bytes);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 3u);
    EXPECT_EQ((*items)[0].control, 1022u);
    EXPECT_EQ((*items)[0].list, InitialItemList::ComboBox);
    EXPECT_EQ((*items)[0].text, "2 Days");
    EXPECT_EQ((*items)[1].text, "Week");
    EXPECT_EQ((*items)[2].list, InitialItemList::ListBox);
    EXPECT_EQ((*items)[2].text, "Zürich");
}

TEST(ParseDialogInitData, AnEndMarkAloneIsAnEmptyList) {
    const auto items = ParseDialogInitData(Bytes{0, 0});
    ASSERT_TRUE(items);
    EXPECT_TRUE(items->empty());
}

TEST(ParseDialogInitData, RefusesDamagedData) {
    Bytes good;
    PutRecord(good, 1022, 0x0403, "Month");

    Bytes noEnd = good;
    EXPECT_FALSE(ParseDialogInitData(noEnd));
    EXPECT_FALSE(ParseDialogInitData(Bytes{}));

    Bytes cut = good;
    Put16(cut, 0);
    cut.erase(cut.begin() + 10, cut.end());
    EXPECT_FALSE(ParseDialogInitData(cut));

    Bytes tooLong;
    PutRecord(tooLong, 1022, 0x0403, "Month", 40);
    Put16(tooLong, 0);
    EXPECT_FALSE(ParseDialogInitData(tooLong));

    Bytes unterminated;
    PutRecord(unterminated, 1022, 0x0403, "Month", -1);  // the zero byte falls outside the text
    unterminated.pop_back();
    Put16(unterminated, 0);
    EXPECT_FALSE(ParseDialogInitData(unterminated));

    Bytes otherMessage;
    PutRecord(otherMessage, 1022, 0x000C, "Month");  // WM_SETTEXT is not an initial item
    Put16(otherMessage, 0);
    EXPECT_FALSE(ParseDialogInitData(otherMessage));

    Bytes empty;
    Put16(empty, 1022);
    Put16(empty, 0x0403);
    Put16(empty, 0);
    Put16(empty, 0);
    Put16(empty, 0);
    EXPECT_FALSE(ParseDialogInitData(empty));
}

}  // namespace
