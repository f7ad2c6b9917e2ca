// CCircleProgressUI: a progress shown as a ring that fills clockwise from the
// bottom, in the foreground colour over a disc in the background colour. A
// text set on the control (a percentage) is drawn over the ring.
#pragma once

#include "uilib/ProgressUI.h"

namespace DuiLib {

class CCircleProgressUI : public CProgressUI {
public:
    std::string GetClass() const override { return "CircleProgress"; }
    void* GetInterface(const std::string& name) override;

    // The sweep of the ring in whole degrees for the current value.
    int SweepDegrees() const;

    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;
};

}  // namespace DuiLib
