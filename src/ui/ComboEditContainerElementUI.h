// CComboEditContainerElementUI: a list item whose content is built from its
// own layout file ("XML/CustomControlXML/ComboEditElementItem.xml") when it
// is initialised; it reports clicks, Enter, timers and context menu requests.
#pragma once

#include "uilib/ListContainerElementUI.h"

namespace DuiLib {

class CComboEditContainerElementUI : public CListContainerElementUI, public INotifyUI {
public:
    static constexpr const char* kLayoutFile = "XML/CustomControlXML/ComboEditElementItem.xml";

    std::string GetClass() const override { return "ComboEditContainerElement"; }
    void* GetInterface(const std::string& name) override;

    void DoInit() override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void DoEvent(TEventUI& event) override;
    void Notify(TNotifyUI&) override {}
};

}  // namespace DuiLib
