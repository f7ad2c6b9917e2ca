#include "ui/HandImageFile.h"

#include <filesystem>

#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {

std::string HandImageFile(const std::string& file) {
    if (file.find(':') == std::string::npos) {
        std::error_code error;
        const auto underSkin = std::filesystem::path(CPaintManagerUI::GetResourcePath()) / file;
        if (std::filesystem::exists(underSkin, error)) {
            return file;
        }
    }
    std::error_code error;
    const auto absolute = std::filesystem::absolute(file, error);
    return error ? file : absolute.string();
}

std::string HandImageOverride(const std::string& description) {
    TDrawInfo info;
    if (!CRenderEngine::ParseDrawInfo(description, info) || info.sFile.empty()) {
        return {};
    }
    return "file='" + HandImageFile(info.sFile) + "'";
}

}  // namespace DuiLib
