// The udev rule shipped for using the devices without root, and its installer.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "device/DeviceTables.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;

const fs::path kSource = ZENTOR_SOURCE_DIR;

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(UdevRule, GrantsTheSeatUserEveryVendorOfTheDeviceTables) {
    const std::string rules = ReadAll(kSource / "scripts/udev/70-zentor-keyboard.rules");
    std::set<uint16_t> vendors;
    for (const auto& row : device::SupportedInterfaceTable()) {
        vendors.insert(row.vendorId);
    }
    for (uint16_t vendor : vendors) {
        char expected[128];
        std::snprintf(expected, sizeof expected,
                      "SUBSYSTEM==\"hidraw\", KERNEL==\"hidraw*\", ATTRS{idVendor}==\"%04x\", "
                      "TAG+=\"uaccess\"",
                      vendor);
        EXPECT_NE(rules.find(expected), std::string::npos) << expected;
    }
}

TEST(UdevRule, TheInstallerCopiesTheRuleAndReloadsUdev) {
    TempFolder temp;
    const fs::path rulesDir = temp.Path() / "rules.d";
    const fs::path bin = temp.Path() / "bin";
    fs::create_directories(rulesDir);
    fs::create_directories(bin);
    // A udevadm that writes down how it was called.
    const fs::path log = temp.Path() / "udevadm.log";
    {
        std::ofstream fake(bin / "udevadm");
        fake << "#!/bin/sh\necho \"$*\" >> '" << log.string() << "'\n";
    }
    fs::permissions(bin / "udevadm", fs::perms::owner_all);
    const std::string env = "ZENTOR_UDEV_RULES_DIR='" + rulesDir.string() + "' PATH='" +
                            bin.string() + ":/usr/bin:/bin' ";
    const std::string script = (kSource / "scripts/install-udev-rule").string();

    ASSERT_EQ(std::system((env + script + " >/dev/null").c_str()), 0);
    const fs::path installed = rulesDir / "70-zentor-keyboard.rules";
    EXPECT_EQ(ReadAll(installed), ReadAll(kSource / "scripts/udev/70-zentor-keyboard.rules"));
    EXPECT_EQ(ReadAll(log),
              "control --reload-rules\ntrigger --subsystem-match=hidraw --action=change\n");

    ASSERT_EQ(std::system((env + script + " --remove >/dev/null").c_str()), 0);
    EXPECT_FALSE(fs::exists(installed));
    EXPECT_NE(std::system((env + script + " --bogus 2>/dev/null").c_str()), 0);
}

}  // namespace
