#include "uilib/UiTestDriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "uilib/ListOwnerUI.h"

namespace DuiLib {

bool CUiTestDriver::Center(CControlUI* control, UiPoint& pt) {
    if (control == nullptr || !control->IsVisible()) {
        return false;
    }
    m_pm.UpdateLayout();
    const UiRect& rc = control->GetPos();
    pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    // The control under the point must be the control or one of its children.
    for (CControlUI* hit = m_pm.FindControl(pt); hit != nullptr; hit = hit->GetParent()) {
        if (hit == control) {
            return true;
        }
    }
    return false;
}

bool CUiTestDriver::Click(const std::string& name) {
    UiPoint pt;
    if (!Center(Find(name), pt)) {
        return false;
    }
    m_pm.OnMouseMove(pt, 0);
    m_pm.OnButtonDown(pt, 0);
    m_pm.OnButtonUp(pt, 0);
    return true;
}

bool CUiTestDriver::DoubleClick(const std::string& name) {
    UiPoint pt;
    if (!Center(Find(name), pt)) {
        return false;
    }
    m_pm.OnMouseMove(pt, 0);
    m_pm.OnButtonDown(pt, 0);
    m_pm.OnButtonUp(pt, 0);
    m_pm.OnDoubleClick(pt, 0);
    m_pm.OnButtonUp(pt, 0);
    return true;
}

bool CUiTestDriver::SelectItem(const std::string& name, int index) {
    CControlUI* control = Find(name);
    auto* owner = dynamic_cast<IListOwnerUI*>(control);
    if (owner == nullptr || !control->IsVisible() || !control->IsEnabled()) {
        return false;
    }
    return owner->SelectItem(index, true, true) && owner->GetCurSel() == index;
}

bool CUiTestDriver::TypeText(const std::string& name, const std::string& text) {
    if (!Focus(name)) {
        return false;
    }
    // One character at a time, as keys arrive.
    QString chars = QString::fromStdString(text);
    for (qsizetype i = 0; i < chars.size(); ++i) {
        QString one = chars.mid(i, chars.at(i).isHighSurrogate() ? 2 : 1);
        if (one.size() == 2) {
            ++i;
        }
        m_pm.OnChar(one.toStdString(), 0);
    }
    return true;
}

bool CUiTestDriver::PressKey(uint32_t key, uint16_t keyState) {
    return m_pm.OnKeyDown(key, keyState);
}

bool CUiTestDriver::Focus(const std::string& name) {
    CControlUI* control = Find(name);
    if (control == nullptr || !control->IsVisible() || !control->IsEnabled()) {
        return false;
    }
    m_pm.SetFocus(control);
    return m_pm.GetFocus() == control;
}

void CUiTestDriver::MoveFocus(bool forward) {
    m_pm.SetNextTabControl(forward);
}

bool CUiTestDriver::FireTimer(const std::string& name, UINT id) {
    return m_pm.FireTimer(Find(name), id);
}

void CUiTestDriver::ProcessEvents(int ms) {
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (ms > 0) {
            QThread::msleep(1);
        }
    } while (timer.elapsed() < ms);
}

}  // namespace DuiLib
