// CHandImgButtonUI: a button that draws a picture over its status image (for
// example a device photo chosen by the user, also from outside the skin) and
// tells when the pointer enters and leaves it.
#pragma once

#include "uilib/ButtonUI.h"

namespace DuiLib {

class CHandImgButtonUI : public CButtonUI {
public:
    std::string GetClass() const override { return "HandImgButton"; }
    void* GetInterface(const std::string& name) override;

    const std::string& GetHandImage() const { return m_sHandImage; }
    void SetHandImage(const std::string& image);

    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void PaintStatusImage(HDC hDC) override;

private:
    std::string m_sHandImage;
};

}  // namespace DuiLib
