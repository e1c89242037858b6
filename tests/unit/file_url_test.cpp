// Local paths become file: URLs that name exactly the file, whatever its name holds.
#include "text/file_url.h"

#include <gtest/gtest.h>

namespace {

struct UrlCase {
    const char* path;
    const char* url;
};

class FileUrlTest : public testing::TestWithParam<UrlCase> {};

TEST_P(FileUrlTest, Encodes) { EXPECT_EQ(FileUrlFromPath(GetParam().path), GetParam().url); }

INSTANTIATE_TEST_SUITE_P(
    Cases, FileUrlTest,
    testing::Values(UrlCase{"C:\\Program Files\\Kestrum\\Tourlet\\index.htm",
                            "file:///C:/Program%20Files/Kestrum/Tourlet/index.htm"},
                    // "#" would start a fragment, "%" an escape, "?" a query.
                    UrlCase{"C:\\C# notes\\100%\\what?.htm", "file:///C:/C%23%20notes/100%25/what%3F.htm"},
                    UrlCase{"C:\\a\\%23.htm", "file:///C:/a/%2523.htm"},
                    // UTF-8 bytes of non-ASCII names, each encoded.
                    UrlCase{"D:\\Öffnen\\日本.htm", "file:///D:/%C3%96ffnen/%E6%97%A5%E6%9C%AC.htm"},
                    UrlCase{"C:/mixed\\slashes/a.htm", "file:///C:/mixed/slashes/a.htm"},
                    UrlCase{"\\\\server\\share\\in tro\\a.htm", "file://server/share/in%20tro/a.htm"},
                    UrlCase{"C:\\a\"b<c>d|e^f`g{h}.htm", "file:///C:/a%22b%3Cc%3Ed%7Ce%5Ef%60g%7Bh%7D.htm"},
                    UrlCase{"C:\\keep-._~!$&'()*+,;=@.htm", "file:///C:/keep-._~!$&'()*+,;=@.htm"},
                    UrlCase{"", ""}));

// Links in pages keep well-formed characters past ASCII; everything else is encoded as before.
TEST(FileIriFromPath, KeepsOnlyWellFormedNonAsciiCharacters) {
    const UrlCase cases[] = {
        {"D:\\\xC3\x96" "ffnen\\\xE6\x97\xA5\xE6\x9C\xAC 1.htm", "file:///D:/\xC3\x96" "ffnen/\xE6\x97\xA5\xE6\x9C\xAC%201.htm"},
        {"\\\\srv\\\xF0\x9F\x98\x80#\\a.htm", "file://srv/\xF0\x9F\x98\x80%23/a.htm"},
        {"C:\\caf\xE9\\\xE6\x97.htm", "file:///C:/caf%E9/%E6%97.htm"},  // not UTF-8: encoded
        {"C:\\\xC3\xA9\xE9.htm", "file:///C:/\xC3\xA9%E9.htm"},
        {"C:\\100%\\a?.htm", "file:///C:/100%25/a%3F.htm"},
        {"", ""},
    };
    for (const UrlCase& c : cases) EXPECT_EQ(FileIriFromPath(c.path), c.url) << c.path;
}

}  // namespace
