// CContainerUI: a control with children. Children fill the client area (the
// control less its inset) unless they float at fixed positions; the layouts
// derive from it and place children in rows or columns. A container can show
// a vertical scroll bar when its content is taller than its client area.
#pragma once

#include <vector>

#include "uilib/ControlUI.h"

namespace DuiLib {

class CScrollBarUI;

class CContainerUI : public CControlUI {
public:
    CContainerUI();
    ~CContainerUI() override;

    std::string GetClass() const override { return "Container"; }
    void* GetInterface(const std::string& name) override;

    CControlUI* GetItemAt(int index) const;
    int GetItemIndex(CControlUI* control) const;
    bool SetItemIndex(CControlUI* control, int index);
    int GetCount() const { return static_cast<int>(m_items.size()); }
    virtual bool Add(CControlUI* control);
    virtual bool AddAt(CControlUI* control, int index);
    // Removes and deletes the child (or only removes it with doNotDestroy).
    virtual bool Remove(CControlUI* control, bool doNotDestroy = false);
    virtual bool RemoveAt(int index, bool doNotDestroy = false);
    virtual void RemoveAll();
    bool IsAutoDestroy() const { return m_bAutoDestroy; }
    void SetAutoDestroy(bool autoDestroy) { m_bAutoDestroy = autoDestroy; }

    const UiRect& GetInset() const { return m_rcInset; }
    void SetInset(const UiRect& inset);
    int GetChildPadding() const { return m_iChildPadding; }
    void SetChildPadding(int padding);
    bool IsMouseChildEnabled() const { return m_bMouseChildEnabled; }
    void SetMouseChildEnabled(bool enabled) { m_bMouseChildEnabled = enabled; }

    // Vertical scrolling of the content.
    void EnableScrollBar(bool vertical);
    CScrollBarUI* GetVerticalScrollBar() const { return m_pVerticalScrollBar; }
    int GetScrollPos() const;
    int GetScrollRange() const;
    void SetScrollPos(int pos);
    void LineUp();
    void LineDown();

    void SetVisible(bool visible = true) override;
    void SetInternVisible(bool visible = true) override;
    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
    void SetPos(const UiRect& rc, bool needInvalidate = true) override;
    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    CControlUI* FindControl(const FindProc& proc, unsigned flags) override;
    void DoPaint(HDC hDC, const UiRect& rcPaint) override;

protected:
    // The client rectangle: the control less inset and a visible scroll bar.
    UiRect ClientRect() const;
    void SetFloatPos(CControlUI* control);
    // Shows or hides the scroll bar for content of the given height and clamps
    // the scroll position; returns the vertical offset to apply to children.
    int ProcessScrollBar(const UiRect& rc, int cyRequired);

    // Rows and columns (the horizontal and vertical layouts). Along the line,
    // children with a size keep it within their minimum and maximum and the
    // others share what is left; across it they fill the client area, up to
    // a fixed size of their own.
    struct LineMeasure {
        int fixedTotal = 0;  // sizes, minimums of the sharing children, paddings
        int autoCount = 0;   // children that share the rest
    };
    // The line's length with the inset when every child has a size along it;
    // 0 otherwise.
    int EstimateLineLength(UiSize available, bool horizontal) const;
    LineMeasure MeasureLine(UiSize available, bool horizontal) const;
    // Places the children from start (x or y) on, within client.
    void ArrangeLine(const UiRect& client, UiSize available, const LineMeasure& measure, int start,
                     bool horizontal, bool needInvalidate);

    std::vector<CControlUI*> m_items;
    UiRect m_rcInset;
    int m_iChildPadding = 0;
    bool m_bAutoDestroy = true;
    bool m_bMouseChildEnabled = true;
    CScrollBarUI* m_pVerticalScrollBar = nullptr;
};

}  // namespace DuiLib
