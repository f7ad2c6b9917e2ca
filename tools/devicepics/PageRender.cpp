#include "PageRender.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "pages/LightTables.h"
#include "pages/VexmoorUSBDevice.h"
#include "ui/DeviceKeyButtonUI.h"
#include "ui/RegisterCustomControls.h"
#include "uilib/DialogBuilder.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/ResourceManager.h"

namespace devicepics {
namespace {

class Callback : public DuiLib::IDialogBuilderCallback {
public:
    DuiLib::CControlUI* CreateControl(const std::string& name) override {
        return ui::CreateCustomControl(name);
    }
};

struct PageEntry {
    const char* layout;
    const char* png;
    int keys;
    int leds;
    int width;
    int height;
};

constexpr PageEntry kPages[] = {
    {"XML/DeviceXml/keyboarddevice.xml", "keyboard.png", 170, 170, 960, 340},
    {"XML/DeviceXml/mousedevice.xml", "mouse.png", 11, 15, 420, 480},
    {"XML/DeviceXml/mousepaddevice.xml", "mousepad.png", 0, 15, 600, 400},
    {"XML/DeviceXml/vo6533device.xml", "headset.png", 0, 13, 540, 440},
};

// A rainbow running left to right across the picture, every LED at full
// intensity, so that each lit zone shows a distinct colour.
void LightTestPattern(pages::CVexmoorUSBDevice& page, int width) {
    for (int i = 0; i < page.GetLedCount(); ++i) {
        DuiLib::CControlUI* button = page.GetLightButton(i);
        if (button == nullptr) {
            continue;
        }
        const DuiLib::UiRect& rc = button->GetPos();
        const int x = (rc.left + rc.right) / 2;
        pages::LedColor c = pages::Wheel(static_cast<uint8_t>(x * 180 / std::max(1, width)));
        c.A = 255;
        page.SetLedColor(i, c);
    }
}

}  // namespace

bool RenderPages(const std::string& skinFolder, const std::string& outFolder) {
    DuiLib::CPaintManagerUI::SetResourcePath(skinFolder);
    DuiLib::CResourceManager::GetInstance().LoadResource("res.xml");
    std::filesystem::create_directories(outFolder);
    bool ok = true;
    for (const PageEntry& entry : kPages) {
        DuiLib::CPaintManagerUI pm;
        pm.Init(nullptr, entry.png);
        Callback callback;
        DuiLib::CDialogBuilder builder;
        auto* page = dynamic_cast<pages::CVexmoorUSBDevice*>(
            builder.Create(entry.layout, {}, &callback, &pm));
        for (const std::string& report : builder.Reports()) {
            std::fprintf(stderr, "%s\n", report.c_str());
        }
        if (page == nullptr) {
            std::fprintf(stderr, "devicepics: %s does not build a device page\n", entry.layout);
            ok = false;
            continue;
        }
        pm.AttachDialog(page);
        pm.SetClientSize(entry.width, entry.height);
        pm.UpdateLayout();
        page->SetPageXml(entry.layout);
        page->SetKeyButtonCount(entry.keys);
        page->SetLedCount(entry.leds);
        page->InitPage();
        pm.UpdateLayout();
        LightTestPattern(*page, entry.width);
        // Show the changed-assignment mark on two keys of the keyboard.
        for (int key : {0, 64}) {
            if (auto* button = dynamic_cast<DuiLib::CDeviceKeyButtonUI*>(page->GetKeyButton(key))) {
                if (entry.keys == 170) {
                    button->SetKeySetMarkHidden(0);
                }
            }
        }
        // The page's link is closed here, so nothing reaches a device.
        page->PushFrame();
        const std::string out = (std::filesystem::path(outFolder) / entry.png).string();
        if (!pm.RenderToPng(out)) {
            std::fprintf(stderr, "devicepics: cannot render %s\n", out.c_str());
            ok = false;
        }
    }
    return ok;
}

}  // namespace devicepics
