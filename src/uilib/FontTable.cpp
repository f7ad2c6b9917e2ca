#include "uilib/FontTable.h"

namespace DuiLib {
namespace {

QFont MakeFont(const std::string& family, int pixelSize, bool bold, bool underline, bool italic) {
    QFont font(QString::fromStdString(family));
    font.setPixelSize(pixelSize > 0 ? pixelSize : 12);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

CFontTable& CFontTable::Instance() {
    static CFontTable table;
    return table;
}

CFontTable::CFontTable() : m_default(MakeFont("Noto Sans", 12, false, false, false)) {}

void CFontTable::AddFont(int id, const std::string& family, int pixelSize, bool bold,
                         bool underline, bool italic, bool isDefault) {
    QFont font = MakeFont(family, pixelSize, bold, underline, italic);
    m_fonts[id] = font;
    if (isDefault) {
        m_default = font;
    }
}

const QFont& CFontTable::GetFont(int id) const {
    auto it = m_fonts.find(id);
    return it == m_fonts.end() ? m_default : it->second;
}

void CFontTable::Clear() {
    m_fonts.clear();
    m_default = MakeFont("Noto Sans", 12, false, false, false);
}

}  // namespace DuiLib
