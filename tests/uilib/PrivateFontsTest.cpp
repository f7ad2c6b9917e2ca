#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "UiTestSupport.h"
#include "uilib/PrivateFonts.h"

using namespace DuiLib;
namespace fs = std::filesystem;

namespace {

const char kThai[] = "/usr/share/fonts/truetype/noto/NotoSansThai-Regular.ttf";

TEST(PrivateFontsTest, IdenticalFilesRegisterOnceAndMissingFilesAreSkipped) {
    uitest::EnsureApp();
    if (!fs::exists(kThai)) {
        GTEST_SKIP() << kThai << " is not installed";
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::string copy = dir.filePath("Other-Name.ttf").toStdString();
    fs::copy_file(kThai, copy);
    std::string empty = dir.filePath("empty.ttf").toStdString();
    { std::ofstream touch(empty); }

    CPrivateFonts fonts;
    EXPECT_TRUE(fonts.Load(kThai));
    EXPECT_FALSE(fonts.Load(dir.filePath("missing.ttf").toStdString()));
    EXPECT_FALSE(fonts.Load(empty));
    EXPECT_TRUE(fonts.Load(copy));
    EXPECT_EQ(fonts.FileCount(), 2);
    EXPECT_EQ(fonts.RegisteredCount(), 1);
    std::vector<std::string> families = fonts.Families();
    ASSERT_EQ(families.size(), 1u);
    EXPECT_EQ(families[0], "Noto Sans Thai");
    fonts.RemoveAll();
    EXPECT_EQ(fonts.FileCount(), 0);
}

}  // namespace
