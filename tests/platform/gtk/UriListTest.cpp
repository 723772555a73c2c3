#include <glib.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gtk/UriList.h"

namespace gtkui {
namespace {

using Paths = std::vector<std::string>;

struct UriCase {
  const char* name;
  std::string list;
  Paths paths;
};

class UriListTest : public ::testing::TestWithParam<UriCase> {};

TEST_P(UriListTest, GivesTheLocalPathsInOrderFromTheFirst) {
  EXPECT_EQ(LocalPathsFromUriList(GetParam().list.c_str()), GetParam().paths);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, UriListTest,
    ::testing::Values(
        UriCase{"OneFile", "file:///home/u/cat.jpg\r\n", {"/home/u/cat.jpg"}},
        UriCase{"WithoutLineEnd", "file:///tmp/a.bmp", {"/tmp/a.bmp"}},
        UriCase{"ThreeInOrder",
                "file:///c/3.jpg\r\nfile:///a/1.jpg\r\nfile:///b/2.jpg\r\n",
                {"/c/3.jpg", "/a/1.jpg", "/b/2.jpg"}},
        UriCase{"EscapedSpaceAndJapanese",
                "file:///home/u/my%20pics/%E5%86%99%E7%9C%9F.JPG\r\n",
                {"/home/u/my pics/写真.JPG"}},
        // The whole path, however long: the drop handler decides what to do with it.
        UriCase{"LongPath",
                "file:///" + std::string(600, 'x') + ".jpg",
                {"/" + std::string(600, 'x') + ".jpg"}},
        UriCase{
            "CommentsAndBlankLines", "# from a file manager\r\n\r\nfile:///x.jpg\r\n", {"/x.jpg"}},
        UriCase{"LocalhostIsLocal", "file://localhost/x.jpg\r\n", {"/x.jpg"}},
        // Only the first entry may be the dropped file: one that is no local file ends the list.
        UriCase{"FirstEntryOfAnotherScheme",
                "http://example.invalid/a.jpg\r\nfile:///b.jpg\r\nfile:///c.jpg\r\n",
                {}},
        UriCase{
            "FirstEntryOnAnotherHost", "file://elsewhere.invalid/x.jpg\r\nfile:///y.jpg\r\n", {}},
        UriCase{"LaterEntryOfAnotherScheme",
                "file:///a.jpg\r\nsmb://server.invalid/b.jpg\r\nfile:///c.jpg\r\n",
                {"/a.jpg"}},
        UriCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UriListTest, ThisMachinesOwnNameIsLocal) {
  const std::string list = std::string("file://") + g_get_host_name() + "/z.jpg\r\n";
  EXPECT_EQ(LocalPathsFromUriList(list.c_str()), Paths{"/z.jpg"});
}

TEST(UriListTest, NoListNoPaths) { EXPECT_TRUE(LocalPathsFromUriList(nullptr).empty()); }

}  // namespace
}  // namespace gtkui
