// Pieces the device page tests share: one Qt application, a page whose
// picture is built from a layout text, and a page that records the calls the
// page base makes on its virtual operations.
#pragma once

#include <QApplication>
#include <string>
#include <vector>

#include "pages/VexmoorUSBDevice.h"
#include "ui/RegisterCustomControls.h"
#include "uilib/DialogBuilder.h"
#include "uilib/PaintManagerUI.h"

namespace pagetest {

inline void EnsureApp() {
    static int argc = 1;
    static char name[] = "pages_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        new QApplication(argc, argv);
    }
}

class Callback : public DuiLib::IDialogBuilderCallback {
public:
    DuiLib::CControlUI* CreateControl(const std::string& name) override {
        return ui::CreateCustomControl(name);
    }
};

// A base page that records what the timers and readers ask of it.
class RecordingPage : public pages::CVexmoorUSBDevice {
public:
    void SyncFromDevice() override { calls.push_back("SyncFromDevice"); }
    std::vector<std::string> calls;
    std::vector<int> codes;

protected:
    void OnDeviceCode(int slot, int code) override {
        codes.push_back(slot);
        codes.push_back(code);
    }
};

// Builds a page layout text (its root a page class) into a paint manager and
// lays it out at 1000 x 640.
template <class Page = pages::CVexmoorUSBDevice>
Page* BuildPage(DuiLib::CPaintManagerUI& pm, const std::string& xml) {
    EnsureApp();
    Callback callback;
    DuiLib::CDialogBuilder builder;
    auto* page = dynamic_cast<Page*>(builder.Create(xml, {}, &callback, &pm));
    if (page != nullptr) {
        pm.AttachDialog(page);
        pm.SetClientSize(1000, 640);
        pm.UpdateLayout();
    }
    return page;
}

}  // namespace pagetest
