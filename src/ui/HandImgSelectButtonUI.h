// CHandImgSelectButtonUI: a window onto a picture larger than the button. The
// user pans the picture by dragging: dragging towards the left or the top
// reveals its right or bottom part. It never raises "click".
#pragma once

#include "uilib/ButtonUI.h"

namespace DuiLib {

class CHandImgSelectButtonUI : public CButtonUI {
public:
    std::string GetClass() const override { return "HandImgSelectButton"; }
    void* GetInterface(const std::string& name) override;

    const std::string& GetHandImage() const { return m_sHandImage; }
    const std::string& GetDrawString() const { return m_sDrawString; }
    const UiRect& GetSourceWindow() const { return m_rcSource; }
    int GetCursor() const { return m_nCursor; }

    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void PaintStatusImage(HDC hDC) override;

private:
    void SetHandImage(const std::string& image);
    void Pan(UiPoint pt);
    void UpdateDrawString();

    std::string m_sHandImage;
    std::string m_sDrawString;
    UiRect m_rcSource;
    int m_nImageHeight = 0;
    int m_nImageWidth = 0;
    bool m_bDragging = false;
    UiPoint m_ptLast;
    int m_nCursor = 32512;
};

}  // namespace DuiLib
