#include "uilib/ControlFactory.h"

#include <algorithm>

namespace DuiLib {

CControlFactory& CControlFactory::GetInstance() {
    static CControlFactory factory;
    return factory;
}

void CControlFactory::RegistControl(const std::string& className, CreateClass create) {
    if (m_classes.count(className) == 0) {
        m_order.push_back(className);
    }
    m_classes[className] = std::move(create);
}

CControlUI* CControlFactory::CreateControl(const std::string& className) const {
    auto it = m_classes.find(className);
    return it == m_classes.end() ? nullptr : it->second();
}

bool CControlFactory::IsRegistered(const std::string& className) const {
    return m_classes.count(className) != 0;
}

void CControlFactory::Clear() {
    m_classes.clear();
    m_order.clear();
}

}  // namespace DuiLib
