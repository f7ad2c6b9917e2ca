// The status poll of the device pages and the receiver's presence answer,
// against simulated devices: what reaches the power control, and when nothing
// does.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "PageTestSupport.h"
#include "firmware/SimBackend.h"
#include "pages/VexmoorKeyboardDevice.h"
#include "pages/VexmoorMouseDevice.h"
#include "pages/VexmoorMousePadDevice.h"
#include "pages/VexmoorVO6533Device.h"

namespace {

using pages::CVexmoorUSBDevice;

// A power control that keeps the last status block it was shown.
class RecordingPower : public DuiLib::CControlUI, public pages::IPagePowerControl {
public:
    void SetHasPowerStatus(int) override {}
    void ShowStatus(const uint8_t* bytes, std::size_t length) override {
        shown = std::vector<uint8_t>(bytes, bytes + length);
    }
    std::optional<std::vector<uint8_t>> shown;
};

class PagePowerStatusTest : public ::testing::Test {
protected:
    void SetUp() override {
        pagetest::EnsureApp();
        m_backend = std::make_shared<sim::SimBackend>();
        platform::InstallHidBackend(m_backend);
    }
    void TearDown() override { platform::InstallHidBackend(nullptr); }

    // Plugs a device of kind on path, opens page's link to it as discovery
    // does, and gives the page a recording power control.
    int Connect(CVexmoorUSBDevice& page, sim::SimKind kind, sim::SimPath path) {
        const int port = m_backend->Plug(m_backend->AddDevice(kind), path);
        const bool receiver = path == sim::SimPath::kReceiver;
        device::DeviceLink& link = page.Link();
        device::HidInterface& slot = receiver ? link.WirelessInterface() : link.WiredInterface();
        std::lock_guard<std::recursive_mutex> lock(link.IoLock());
        // The headset takes its commands on its consumer collection.
        const bool headset = kind == sim::SimKind::kHeadset;
        EXPECT_TRUE(
            slot.Open(m_backend->PathOf(port, headset ? 0x000C : 0xFF1C, headset ? 0x01 : 0x92),
                      true, true, true, false));
        link.SetOpen(true);
        link.SetMode(receiver ? device::LINK_MODE_24G : device::LINK_MODE_WIRED);
        page.SetPowerControl(&m_power);
        return port;
    }

    std::shared_ptr<sim::SimBackend> m_backend;
    RecordingPower m_power;
};

TEST_F(PagePowerStatusTest, AWirelessMouseShowsItsBatteryAndChargingWithTheWirelessFlag) {
    pages::CVexmoorMouseDevice page;
    const int port = Connect(page, sim::SimKind::kMouse, sim::SimPath::kReceiver);
    m_backend->SetPowerStatus(port, 85, 1);
    EXPECT_EQ(page.IsWirelessOnline(), 1);
    page.PollStatus();
    ASSERT_TRUE(m_power.shown.has_value());
    ASSERT_EQ(m_power.shown->size(), 6u);
    EXPECT_EQ((*m_power.shown)[0], 85);
    EXPECT_EQ((*m_power.shown)[1], 1);
    EXPECT_EQ((*m_power.shown)[3], 1);  // on the receiver

    // The receiver loses the mouse: no poll, and the mouse is not online.
    m_power.shown.reset();
    m_backend->SetReachable(port, false);
    EXPECT_EQ(page.IsWirelessOnline(), 0);
    page.PollStatus();
    EXPECT_FALSE(m_power.shown.has_value());
}

TEST_F(PagePowerStatusTest, ByCableTheWirelessFlagIsClearedAndTheMouseIsNotAskedAbout) {
    pages::CVexmoorMouseDevice page;
    const int port = Connect(page, sim::SimKind::kMouse, sim::SimPath::kCable);
    m_backend->SetPowerStatus(port, 40, 2);
    EXPECT_EQ(page.IsWirelessOnline(), 0);
    page.PollStatus();
    ASSERT_TRUE(m_power.shown.has_value());
    EXPECT_EQ((*m_power.shown)[0], 40);
    EXPECT_EQ((*m_power.shown)[3], 0);
}

TEST_F(PagePowerStatusTest, HeldOrClosedLinksAreNotPolledExceptThePadsAndHeadsetsHold) {
    // The keyboard and mouse respect the hold flag; the pad and headset forms
    // do not know it. A closed link is never polled.
    struct Case {
        const char* what;
        std::function<std::unique_ptr<CVexmoorUSBDevice>()> make;
        sim::SimKind kind;
        bool hold;
        bool open;
        bool polled;
    };
    auto keyboard = [] { return std::make_unique<pages::CVexmoorKeyboardDevice>(); };
    auto mouse = [] { return std::make_unique<pages::CVexmoorMouseDevice>(); };
    auto pad = [] { return std::make_unique<pages::CVexmoorMousePadDevice>(); };
    auto headset = [] { return std::make_unique<pages::CVexmoorVO6533Device>(); };
    const Case cases[] = {
        {"keyboard", keyboard, sim::SimKind::kKeyboard, false, true, true},
        {"keyboard held", keyboard, sim::SimKind::kKeyboard, true, true, false},
        {"mouse held", mouse, sim::SimKind::kMouse, true, true, false},
        {"mouse closed", mouse, sim::SimKind::kMouse, false, false, false},
        {"pad held", pad, sim::SimKind::kMousePad, true, true, true},
        {"pad closed", pad, sim::SimKind::kMousePad, false, false, false},
        {"headset held", headset, sim::SimKind::kHeadset, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CVexmoorUSBDevice> page = c.make();
        Connect(*page, c.kind, sim::SimPath::kCable);
        page->SetStatusHold(c.hold ? 1 : 0);
        page->Link().SetOpen(c.open);
        m_power.shown.reset();
        page->PollStatus();
        EXPECT_EQ(m_power.shown.has_value(), c.polled);
        page->SetPowerControl(nullptr);
    }
}

}  // namespace
