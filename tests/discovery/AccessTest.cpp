// Devices that are there but may not be opened: hidraw nodes read from a fake
// sysfs, the notice discovery gives once, and the watch of the node folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>

#include "DiscoveryFixture.h"
#include "platform/Paths.h"
#include "platform/hid/HidAccess.h"
#include "platform/hid/HidListWatch.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using discovery_test::News;
using testing_support::TempFolder;

// A sysfs tree as the kernel lays it out: class/hidraw/hidrawN/device links to
// the HID device, whose parent is the USB interface.
class FakeSysfs {
public:
    FakeSysfs() {
        fs::create_directories(Hidraw());
        fs::create_directories(Dev());
    }
    fs::path Hidraw() const { return m_root.Path() / "class" / "hidraw"; }
    fs::path Dev() const { return m_root.Path() / "dev"; }

    void AddNode(int n, const char* hidId, const char* interfaceNumber) {
        const fs::path usbInterface =
            m_root.Path() / "devices" / ("1-" + std::to_string(n) + ":1.x");
        const fs::path hid = usbInterface / ("hid." + std::to_string(n));
        fs::create_directories(hid);
        if (interfaceNumber != nullptr) {
            std::ofstream(usbInterface / "bInterfaceNumber") << interfaceNumber << "\n";
        }
        std::ofstream(hid / "uevent")
            << "DRIVER=hid-generic\nHID_ID=" << hidId << "\nHID_NAME=Test\n";
        const fs::path node = Hidraw() / ("hidraw" + std::to_string(n));
        fs::create_directories(node);
        fs::create_directory_symlink(hid, node / "device");
        std::ofstream(Dev() / ("hidraw" + std::to_string(n))) << "";
    }

    platform::HidAccessFolders Folders(std::map<std::string, int> errors) const {
        platform::HidAccessFolders folders;
        folders.sysClassHidraw = Hidraw().string();
        folders.dev = Dev().string();
        folders.tryOpen = [errors](const std::string& node) {
            auto it = errors.find(fs::path(node).filename().string());
            return it == errors.end() ? 0 : it->second;
        };
        return folders;
    }

private:
    TempFolder m_root;
};

TEST(HidAccess, NodesCarryTheirUsbIdentityAndWhetherThisUserMayOpenThem) {
    FakeSysfs sysfs;
    sysfs.AddNode(0, "0003:0000320F:00005055", "01");
    sysfs.AddNode(1, "0003:00000C76:00000000", "03");
    sysfs.AddNode(2, "0005:0000046D:0000B023", nullptr);  // Bluetooth: no USB interface
    sysfs.AddNode(3, "garbage", "00");
    const auto nodes = platform::ListHidrawNodes(
        sysfs.Folders({{"hidraw0", EACCES}, {"hidraw1", 0}, {"hidraw2", ENOENT}}));
    ASSERT_EQ(nodes.size(), 3u) << "a node without an identity is left out";
    EXPECT_EQ(nodes[0].node, (sysfs.Dev() / "hidraw0").string());
    EXPECT_EQ(nodes[0].vendorId, 0x320F);
    EXPECT_EQ(nodes[0].productId, 0x5055);
    EXPECT_EQ(nodes[0].interfaceNumber, 1);
    EXPECT_TRUE(nodes[0].Denied());
    EXPECT_EQ(nodes[1].vendorId, 0x0C76);
    EXPECT_EQ(nodes[1].interfaceNumber, 3);
    EXPECT_FALSE(nodes[1].Denied());
    EXPECT_EQ(nodes[2].interfaceNumber, -1);
    EXPECT_FALSE(nodes[2].Denied()) << "a missing file is not a missing right";
}

TEST(HidAccess, TheRealOpenReportsAFileWithoutRights) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root opens every file";
    }
    FakeSysfs sysfs;
    sysfs.AddNode(0, "0003:0000320F:00005055", "01");
    fs::permissions(sysfs.Dev() / "hidraw0", fs::perms::none);
    platform::HidAccessFolders folders;
    folders.sysClassHidraw = sysfs.Hidraw().string();
    folders.dev = sysfs.Dev().string();
    const auto nodes = platform::ListHidrawNodes(folders);
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_TRUE(nodes[0].Denied());
}

class AccessNotice : public discovery_test::SimulatorTest {};

TEST_F(AccessNotice, ASupportedDeviceThatCannotBeOpenedIsToldOnceWithTheFix) {
    FakeSysfs sysfs;
    sysfs.AddNode(4, "0003:0000320F:00005055", "01");  // the keyboard's command interface
    sysfs.AddNode(5, "0003:0000320F:00005055", "00");  // its boot keyboard: not ours
    sysfs.AddNode(6, "0003:0000046D:0000C52B", "01");  // someone else's receiver
    const int port = Plug(sim::SimKind::kKeyboard, sim::SimPath::kCable);
    m_backend->Refuse(m_sim->PathOf(port, 0xFF1C, 0x92), true);

    discovery_test::RecordingSink sink;
    app::DeviceDiscovery discovery(sink);
    discovery.SetAccessFolders(
        sysfs.Folders({{"hidraw4", EACCES}, {"hidraw5", EACCES}, {"hidraw6", EACCES}}));
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(discovery.Pass());
    }
    EXPECT_EQ(sink.Indexes(News::kAccess).size(), 1u);
    std::string text;
    ASSERT_TRUE(discovery.TakeAccessNotice(text));
    EXPECT_NE(text.find((sysfs.Dev() / "hidraw4").string()), std::string::npos) << text;
    EXPECT_EQ(text.find("hidraw5"), std::string::npos) << text;
    EXPECT_EQ(text.find("hidraw6"), std::string::npos) << text;
    EXPECT_NE(text.find("320f:5055"), std::string::npos) << text;
    EXPECT_NE(text.find(app::UdevRuleInstallCommand()), std::string::npos) << text;
    EXPECT_FALSE(discovery.TakeAccessNotice(text)) << "told once";
    ASSERT_TRUE(discovery.Pass());
    EXPECT_EQ(sink.Indexes(News::kAccess).size(), 1u);
}

TEST_F(AccessNotice, NothingIsToldWhenTheUnopenableNodeIsNotASupportedDevice) {
    FakeSysfs sysfs;
    sysfs.AddNode(0, "0003:0000320F:00005055", "01");
    const int port = Plug(sim::SimKind::kKeyboard, sim::SimPath::kCable);
    m_backend->Refuse(m_sim->PathOf(port, 0xFF1C, 0x92), true);
    discovery_test::RecordingSink sink;
    app::DeviceDiscovery discovery(sink);
    // The node opens: the probe failed for another reason.
    discovery.SetAccessFolders(sysfs.Folders({{"hidraw0", EBUSY}}));
    ASSERT_TRUE(discovery.Pass());
    std::string text;
    EXPECT_FALSE(discovery.TakeAccessNotice(text));
    EXPECT_TRUE(sink.Indexes(News::kAccess).empty());
}

TEST(AccessNoticeText, TheInstallCommandIsTheSourceTreesScriptOrTheRuleByHand) {
    const std::string command = app::UdevRuleInstallCommand();
    const fs::path source = fs::path(ZENTOR_SOURCE_DIR).lexically_normal();
    const fs::path program = platform::ProgramFolder().lexically_normal();
    const auto relative = program.lexically_relative(source);
    if (!relative.empty() && *relative.begin() != "..") {
        // Built inside the source tree (build/<dir>/bin): the script is there.
        EXPECT_EQ(fs::path(command), source / "scripts" / "install-udev-rule");
        EXPECT_TRUE(fs::exists(command));
        return;
    }
    for (const char* part : {"ATTRS{idVendor}==\"320f\"", "ATTRS{idVendor}==\"0c76\"",
                             "TAG+=\"uaccess\"", "/etc/udev/rules.d/70-zentor-keyboard.rules",
                             "udevadm control --reload-rules", "udevadm trigger"}) {
        EXPECT_NE(command.find(part), std::string::npos) << part << " in " << command;
    }
}

TEST(HidrawFolderWatch, ChangesWhenANodeComesGoesOrIsReplaced) {
    TempFolder root;
    const fs::path folder = root.Path() / "hidraw";
    platform::HidrawFolderWatch watch(folder.string());
    EXPECT_TRUE(watch.Changed()) << "the first look";
    EXPECT_FALSE(watch.Changed()) << "no folder yet, still none";
    fs::create_directories(folder);
    fs::create_directory_symlink(root.Path() / "hid.0001", folder / "hidraw0");
    EXPECT_TRUE(watch.Changed());
    EXPECT_FALSE(watch.Changed());
    // Unplugged and plugged back between two looks: same name, new instance.
    fs::remove(folder / "hidraw0");
    fs::create_directory_symlink(root.Path() / "hid.0002", folder / "hidraw0");
    EXPECT_TRUE(watch.Changed());
    fs::remove(folder / "hidraw0");
    EXPECT_TRUE(watch.Changed());
    EXPECT_FALSE(watch.Changed());
}

}  // namespace
