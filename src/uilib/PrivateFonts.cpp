#include "uilib/PrivateFonts.h"

#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <functional>
#include <string_view>

namespace DuiLib {

CPrivateFonts::~CPrivateFonts() {
    RemoveAll();
}

bool CPrivateFonts::Load(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        return false;
    }
    size_t hash = std::hash<std::string_view>()(std::string_view(bytes.constData(), bytes.size()));
    for (const File& loaded : m_files) {
        // The same collection under a second name is registered only once.
        if (loaded.hash == hash && loaded.size == bytes.size()) {
            m_files.push_back({path, loaded.fontId, hash, loaded.size, false});
            return true;
        }
    }
    int id = QFontDatabase::addApplicationFontFromData(bytes);
    if (id < 0) {
        return false;
    }
    m_files.push_back({path, id, hash, bytes.size(), true});
    return true;
}

void CPrivateFonts::RemoveAll() {
    for (auto it = m_files.rbegin(); it != m_files.rend(); ++it) {
        if (it->owner) {
            QFontDatabase::removeApplicationFont(it->fontId);
        }
    }
    m_files.clear();
}

int CPrivateFonts::RegisteredCount() const {
    int count = 0;
    for (const File& file : m_files) {
        count += file.owner ? 1 : 0;
    }
    return count;
}

std::vector<std::string> CPrivateFonts::Families() const {
    std::vector<std::string> families;
    for (const File& file : m_files) {
        if (file.owner) {
            for (const QString& family : QFontDatabase::applicationFontFamilies(file.fontId)) {
                families.push_back(family.toStdString());
            }
        }
    }
    return families;
}

}  // namespace DuiLib
