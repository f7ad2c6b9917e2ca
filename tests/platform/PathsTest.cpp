#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ScopedEnv;
using testing_support::TempFolder;

TEST(Paths, ProgramFolderIsTheFolderOfTheRunningExecutable) {
    fs::path exe = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(platform::ProgramFolder(), exe.parent_path());
}

TEST(Paths, ShippedFoldersSitBesideTheExecutable) {
    const fs::path program = platform::ProgramFolder();
    struct Case {
        const char* name;
        fs::path (*folder)();
    } cases[] = {
        {"DefaultData", platform::DefaultDataFolder},
        {"skin", platform::SkinFolder},
        {"Font", platform::FontFolder},
        {"SDK", platform::SdkFolder},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.folder(), program / c.name) << c.name;
    }
}

TEST(Paths, UserDataFolderIsCreatedUnderXdgDataHome) {
    TempFolder temp;
    ScopedEnv xdg("XDG_DATA_HOME", (temp.Path() / "nested" / "share").string());
    fs::path folder = platform::UserDataFolder();
    EXPECT_EQ(folder, temp.Path() / "nested" / "share" / "Zentor Keyboard");
    EXPECT_TRUE(fs::is_directory(folder));
}

TEST(Paths, UserDataFolderFallsBackToHomeWhenXdgIsUnsetOrRelative) {
    TempFolder temp;
    ScopedEnv home("HOME", temp.Path().string());
    for (const char* xdg : {"", "relative/path"}) {
        ScopedEnv env("XDG_DATA_HOME", xdg);
        EXPECT_EQ(platform::UserDataFolder(), temp.Path() / ".local" / "share" / "Zentor Keyboard")
            << "XDG_DATA_HOME=\"" << xdg << "\"";
    }
}

TEST(Paths, DeviceFolderIsCreatedInsideTheUserDataFolder) {
    TempFolder temp;
    ScopedEnv xdg("XDG_DATA_HOME", temp.Path().string());
    fs::path folder = platform::DeviceDataFolder("keyboard");
    EXPECT_EQ(folder, temp.Path() / "Zentor Keyboard" / "keyboard");
    EXPECT_TRUE(fs::is_directory(folder));
    // A second call finds the folder and leaves its files alone.
    std::ofstream(folder / "keyboard.Json") << "{}";
    EXPECT_EQ(platform::DeviceDataFolder("keyboard"), folder);
    EXPECT_TRUE(fs::exists(folder / "keyboard.Json"));
}

TEST(Paths, FolderThatCannotBeCreatedIsReportedOnStderrWithoutCrash) {
    TempFolder temp;
    // A plain file where the data home should be: nothing can be created below.
    fs::path blocker = temp.Path() / "blocker";
    std::ofstream(blocker) << "x";
    ScopedEnv xdg("XDG_DATA_HOME", blocker.string());
    testing::internal::CaptureStderr();
    fs::path folder = platform::UserDataFolder();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(folder, blocker / "Zentor Keyboard");
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_NE(err.find("cannot create the folder"), std::string::npos) << err;
    EXPECT_NE(err.find("Zentor Keyboard"), std::string::npos) << err;
}

}  // namespace
