#include "ui/NamedLayout.h"

#include "uilib/ResourceManager.h"

namespace ui {

std::string NamedLayout(const std::string& resourceName, const std::string& shippedFile) {
    if (DuiLib::CResourceManager::GetInstance().GetXmlPath(resourceName) != resourceName) {
        return resourceName;
    }
    return shippedFile;
}

}  // namespace ui
