// The fonts the skin names by number: each id maps to a Qt font; id -1 and
// unknown ids give the default font. Shared by every window.
#pragma once

#include <QFont>
#include <map>
#include <string>

namespace DuiLib {

class CFontTable {
public:
    static CFontTable& Instance();

    void AddFont(int id, const std::string& family, int pixelSize, bool bold, bool underline,
                 bool italic, bool isDefault);
    const QFont& GetFont(int id) const;
    bool HasFont(int id) const { return m_fonts.count(id) != 0; }
    void Clear();

private:
    CFontTable();

    std::map<int, QFont> m_fonts;
    QFont m_default;
};

}  // namespace DuiLib
