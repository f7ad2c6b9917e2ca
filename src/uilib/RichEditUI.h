// CRichEditUI: the rich edit of the layouts, used by the program as a single
// line of text; it behaves as an edit. Its layout switches are accepted and
// kept, and Enter raises "return" only with "wantreturn".
#pragma once

#include "uilib/EditUI.h"

namespace DuiLib {

class CRichEditUI : public CEditUI {
public:
    std::string GetClass() const override { return "RichEdit"; }
    void* GetInterface(const std::string& name) override;

    bool IsWantReturn() const { return m_bWantReturn; }
    void SetWantReturn(bool want) { m_bWantReturn = want; }
    bool IsMultiLine() const { return m_bMultiLine; }
    void SetMultiLine(bool multi) { m_bMultiLine = multi; }

    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;

private:
    bool m_bWantReturn = false;
    bool m_bMultiLine = false;
};

}  // namespace DuiLib
