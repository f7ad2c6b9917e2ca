// Shared pieces of the custom control tests: one Qt application, a window
// built from a layout text with the custom controls, a notification recorder,
// and painting the window into an image to look at its pixels.
#pragma once

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "ui/RegisterCustomControls.h"
#include "uilib/DialogBuilder.h"
#include "uilib/PaintManagerUI.h"

namespace controltest {

inline void EnsureApp() {
    static int argc = 1;
    static char name[] = "ui_tests";
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

// Records notifications as "type:sender".
class Recorder : public DuiLib::INotifyUI {
public:
    void Notify(DuiLib::TNotifyUI& msg) override {
        events.push_back(msg.sType + ":" + (msg.pSender ? msg.pSender->GetName() : ""));
    }
    std::vector<std::string> events;
};

// A window of the given size holding the layout.
class Window {
public:
    Window(const std::string& xml, int w, int h) {
        EnsureApp();
        Callback callback;
        DuiLib::CDialogBuilder builder;
        root = builder.Create(xml, {}, &callback, &pm);
        reports = builder.Reports();
        if (root != nullptr) {
            pm.AttachDialog(root);
        }
        pm.SetClientSize(w, h);
        pm.UpdateLayout();
        pm.AddNotifier(&recorder);
    }
    ~Window() { pm.RemoveNotifier(&recorder); }

    QImage Paint() {
        pm.UpdateLayout();
        const DuiLib::UiSize size = pm.GetClientSize();
        QImage image(size.cx, size.cy, QImage::Format_ARGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        pm.Paint(&painter, {0, 0, size.cx, size.cy});
        return image;
    }

    DuiLib::CPaintManagerUI pm;
    DuiLib::CControlUI* root = nullptr;
    std::vector<std::string> reports;
    Recorder recorder;
};

}  // namespace controltest
