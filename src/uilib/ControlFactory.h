// CControlFactory: the program's own control classes, registered by class name
// so that layout files can create them.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace DuiLib {

class CControlUI;

class CControlFactory {
public:
    using CreateClass = std::function<CControlUI*()>;

    static CControlFactory& GetInstance();

    // A second registration of a name replaces the first.
    void RegistControl(const std::string& className, CreateClass create);
    // A new control of the class, or nullptr when the name is not registered.
    CControlUI* CreateControl(const std::string& className) const;
    bool IsRegistered(const std::string& className) const;
    // The registered names in registration order.
    const std::vector<std::string>& RegisteredNames() const { return m_order; }
    void Clear();

private:
    std::map<std::string, CreateClass> m_classes;
    std::vector<std::string> m_order;
};

}  // namespace DuiLib
