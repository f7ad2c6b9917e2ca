#include "uilib/ComboWnd.h"

#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "uilib/ComboUI.h"
#include "uilib/UiHostWidget.h"
#include "uilib/VerticalLayoutUI.h"

namespace DuiLib {

CComboWnd::CComboWnd(CComboUI* owner) : m_pOwner(owner) {}

CComboWnd::~CComboWnd() {
    Release();
    m_pm.DetachAndDeleteRoot();
    delete m_widget;
}

void CComboWnd::Show() {
    CPaintManagerUI* ownerManager = m_pOwner->GetManager();
    m_widget = new CUiHostWidget(&m_pm, nullptr, Qt::Popup | Qt::FramelessWindowHint);
    m_pm.Init(m_widget, "ComboWnd");
    m_pm.SetDPI(ownerManager != nullptr ? ownerManager->GetDPI() : 96);

    m_pLayout = new CVerticalLayoutUI();
    m_pLayout->SetAutoDestroy(false);
    m_pLayout->EnableScrollBar(true);
    m_pLayout->SetBkColor(m_pOwner->GetDropBoxBkColor());
    m_pLayout->SetBorderColor(0xFF2F343D);
    m_pLayout->SetBorderSize(1);
    m_pLayout->SetInset({1, 1, 1, 1});
    int contentHeight = 2;
    for (int i = 0; i < m_pOwner->GetCount(); ++i) {
        CControlUI* item = m_pOwner->GetItemAt(i);
        m_pLayout->Add(item);
        if (item->IsVisible()) {
            int cy = item->EstimateSize({0, 0}).cy;
            contentHeight += cy > 0 ? cy : m_pOwner->GetListInfo()->nItemHeight;
        }
    }
    m_pm.AttachDialog(m_pLayout);

    const UiRect& rc = m_pOwner->GetPos();
    UiSize box = m_pOwner->GetDropBoxSize();
    int width = box.cx > 0 ? box.cx : rc.Width();
    int height = std::min(contentHeight, box.cy > 0 ? box.cy : 200);
    m_pm.SetClientSize(width, height);
    QPoint origin(0, 0);
    if (ownerManager != nullptr && ownerManager->GetHost() != nullptr) {
        origin = ownerManager->GetHost()->mapToGlobal(
            QPoint(ownerManager->ScaleValue(rc.left), ownerManager->ScaleValue(rc.bottom)));
    }
    m_widget->setGeometry(origin.x(), origin.y(), m_pm.ScaleValue(width), m_pm.ScaleValue(height));
    // Closing the pop-up by a click outside it ends the drop-down, later, so
    // the widget is not deleted inside its own event.
    CComboUI* owner = m_pOwner;
    m_widget->SetHideHandler(
        [owner] { QTimer::singleShot(0, [owner] { owner->CloseDropDown(); }); });
    m_widget->show();
}

void CComboWnd::Release() {
    if (m_released) {
        return;
    }
    m_released = true;
    if (m_pLayout != nullptr) {
        m_pLayout->RemoveAll();
    }
    CPaintManagerUI* ownerManager = m_pOwner->GetManager();
    for (int i = 0; i < m_pOwner->GetCount(); ++i) {
        m_pOwner->GetItemAt(i)->SetManager(ownerManager, m_pOwner, false);
    }
    if (m_widget != nullptr) {
        m_widget->SetHideHandler(nullptr);
        m_widget->hide();
    }
}

}  // namespace DuiLib
