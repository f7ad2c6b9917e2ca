// The shipped page layouts: each builds without a report into its page class,
// and its picture binds every LED and every key the device has.
#include <gtest/gtest.h>

#include <set>

#include "PageTestSupport.h"
#include "device/DeviceTables.h"
#include "uilib/ControlFactory.h"
#include "uilib/ResourceManager.h"

namespace {

using pages::CVexmoorUSBDevice;

struct LayoutCase {
    int pageRow;  // row of the device page table
    const char* pageClass;
    std::set<int> keys;
    std::set<int> leds;
};

// The keyboard picture is a full-size ANSI keyboard with five macro keys and
// two function keys; the positions of other national layouts and the empty
// positions have no key.
std::set<int> KeyboardKeys() {
    std::set<int> keys;
    for (int n = 0; n <= 124; ++n) {
        keys.insert(n);
    }
    for (int absent : {18, 19, 20, 62, 79, 80, 81, 82, 83, 100, 101, 102, 103, 104}) {
        keys.erase(absent);
    }
    return keys;
}

class PageLayoutTest : public ::testing::TestWithParam<LayoutCase> {
protected:
    void SetUp() override {
        pagetest::EnsureApp();
        DuiLib::CPaintManagerUI::SetResourcePath(ZENTOR_SOURCE_DIR "/skin");
    }
};

TEST_P(PageLayoutTest, BuildsCleanlyAndBindsEveryLedAndKey) {
    const LayoutCase& c = GetParam();
    const device::DevicePageRow& row = device::DevicePageTable()[c.pageRow];
    DuiLib::CPaintManagerUI pm;
    pagetest::Callback callback;
    DuiLib::CDialogBuilder builder;
    auto* page =
        dynamic_cast<CVexmoorUSBDevice*>(builder.Create(row.pageLayout, {}, &callback, &pm));
    for (const std::string& report : builder.Reports()) {
        ADD_FAILURE() << report;
    }
    ASSERT_NE(page, nullptr);
    pm.AttachDialog(page);
    pm.SetClientSize(1000, 640);
    pm.UpdateLayout();
    EXPECT_EQ(page->GetClass(), c.pageClass);

    page->SetPageXml(row.pageLayout);
    page->SetKeyButtonCount(row.keyCount);
    page->SetLedCount(row.ledCount);
    page->InitPage();
    ASSERT_NE(page->GetKeyContainer(), nullptr);
    for (int i = 0; i < row.ledCount; ++i) {
        DuiLib::CControlUI* light = page->GetLightButton(i);
        ASSERT_EQ(light != nullptr, c.leds.count(i) == 1) << "LED " << i;
        if (light == nullptr) {
            continue;
        }
        EXPECT_FALSE(light->GetPos().IsEmpty()) << "LED " << i;
        EXPECT_TRUE(
            page->GetKeyContainer()->GetPos().Contains({light->GetPos().left, light->GetPos().top}))
            << "LED " << i << " lies outside the picture";
    }
    for (int n = 0; n < row.keyCount; ++n) {
        EXPECT_EQ(page->GetKeyButton(n) != nullptr, c.keys.count(n) == 1) << "key " << n;
    }
    // On the keyboard the frame is indexed by key position: every key is also
    // the light of its position.
    if (c.pageRow == 1) {
        for (int n : c.keys) {
            EXPECT_EQ(page->GetKeyButton(n), page->GetLightButton(n)) << "key " << n;
        }
    }
}

std::set<int> Range(int n) {
    std::set<int> keys;
    for (int i = 0; i < n; ++i) {
        keys.insert(i);
    }
    return keys;
}

INSTANTIATE_TEST_SUITE_P(Pages, PageLayoutTest,
                         ::testing::Values(LayoutCase{0, "VexmoorUSBDevice", Range(11), Range(15)},
                                           LayoutCase{1, "VexmoorKeyboardDevice", KeyboardKeys(),
                                                      KeyboardKeys()},
                                           LayoutCase{2, "VexmoorMousePadDevice", {}, Range(15)},
                                           LayoutCase{3, "VexmoorVO6533Device", {}, Range(13)}));

}  // namespace
