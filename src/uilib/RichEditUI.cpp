#include "uilib/RichEditUI.h"

#include "uilib/AttributeTable.h"

namespace DuiLib {
namespace {

const AttributeTable<CRichEditUI>& RichEditAttributes() {
    static const AttributeTable<CRichEditUI> table = {
        {"wantreturn", [](CRichEditUI& c, const std::string& v) { c.SetWantReturn(ParseBool(v)); }},
        {"multiline", [](CRichEditUI& c, const std::string& v) { c.SetMultiLine(ParseBool(v)); }},
        // Switches of a full rich edit that a single line has no use for.
        {"wanttab", [](CRichEditUI&, const std::string&) {}},
        {"rich", [](CRichEditUI&, const std::string&) {}},
        {"autohscroll", [](CRichEditUI&, const std::string&) {}},
        {"autovscroll", [](CRichEditUI&, const std::string&) {}},
    };
    return table;
}

}  // namespace

void* CRichEditUI::GetInterface(const std::string& name) {
    return name == "RichEdit" ? this : CEditUI::GetInterface(name);
}

void CRichEditUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_KEYDOWN && event.chKey == kVkReturn && !m_bWantReturn) {
        return;
    }
    CEditUI::DoEvent(event);
}

bool CRichEditUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(RichEditAttributes(), *this, name, value) ||
           CEditUI::SetAttribute(name, value);
}

}  // namespace DuiLib
