#include "uilib/RenderEngine.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStaticText>
#include <cmath>
#include <filesystem>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/Trace.h"
#include "uilib/FontTable.h"
#include "uilib/PaintManagerUI.h"

namespace DuiLib {
namespace {

struct CachedImage {
    TImageInfo info;
    QPixmap pixmap;
    QImage image;
};

// Loaded images by resolved path; nullptr marks a file that failed to load,
// so the trace says so once.
std::unordered_map<std::string, std::unique_ptr<CachedImage>>& ImageCache() {
    static std::unordered_map<std::string, std::unique_ptr<CachedImage>> cache;
    return cache;
}

std::unordered_map<std::string, TDrawInfo>& DrawInfoCache() {
    static std::unordered_map<std::string, TDrawInfo> cache;
    return cache;
}

// Nine-part images drawn at a size, kept so that a repaint draws each one
// with a single copy.
constexpr size_t kMaxComposed = 1024;
std::unordered_map<std::string, QPixmap>& ComposedCache() {
    static std::unordered_map<std::string, QPixmap> cache;
    return cache;
}

// Laid-out single-line texts by font and text.
constexpr size_t kMaxTexts = 4096;
std::unordered_map<std::string, QStaticText>& TextCache() {
    static std::unordered_map<std::string, QStaticText> cache;
    return cache;
}

QColor ToQColor(uint32_t argb) {
    return QColor((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, (argb >> 24) & 0xFF);
}

QRect ToQRect(const UiRect& rc) {
    return QRect(rc.left, rc.top, rc.Width(), rc.Height());
}

CachedImage* LoadImage(const std::string& file) {
    std::string path = CRenderEngine::ResolveImagePath(file);
    auto& cache = ImageCache();
    auto it = cache.find(path);
    if (it != cache.end()) {
        return it->second.get();
    }
    QImage image(QString::fromStdString(path));
    if (image.isNull()) {
        platform::TraceF("image not found: %s", file.c_str());
        cache.emplace(path, nullptr);
        return nullptr;
    }
    auto entry = std::make_unique<CachedImage>();
    entry->info = {image.width(), image.height()};
    entry->image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    entry->pixmap = QPixmap::fromImage(entry->image);
    CachedImage* raw = entry.get();
    cache.emplace(path, std::move(entry));
    return raw;
}

void ApplyKeys(const std::string& text, TDrawInfo& info) {
    if (text.find('=') == std::string::npos) {
        if (!text.empty()) {
            info.sFile = text;
        }
        return;
    }
    size_t pos = 0;
    while (pos < text.size()) {
        size_t eq = text.find('=', pos);
        if (eq == std::string::npos || eq + 1 >= text.size()) {
            return;
        }
        size_t start = text.find_first_not_of(" \t", pos);
        std::string key = ToLower(text.substr(start, eq - start));
        char quote = text[eq + 1];
        size_t end = text.find(quote, eq + 2);
        if ((quote != '\'' && quote != '"') || end == std::string::npos) {
            return;
        }
        std::string value = text.substr(eq + 2, end - eq - 2);
        if (key == "file" || key == "res") {
            info.sFile = value;
        } else if (key == "dest") {
            info.rcDest = ParseRect(value);
        } else if (key == "source") {
            info.rcSource = ParseRect(value);
        } else if (key == "corner") {
            info.rcCorner = ParseRect(value);
        } else if (key == "fade") {
            info.uFade = ParseInt(value, 255);
        } else if (key == "hole") {
            info.bHole = ParseBool(value);
        } else if (key == "xtiled") {
            info.bTiledX = ParseBool(value);
        } else if (key == "ytiled") {
            info.bTiledY = ParseBool(value);
        }
        pos = end + 1;
    }
}

void DrawPart(QPainter& p, const QPixmap& pixmap, const QRect& dest, const QRect& src, bool tileX,
              bool tileY) {
    if (dest.isEmpty() || src.isEmpty()) {
        return;
    }
    if (!tileX && !tileY) {
        p.drawPixmap(dest, pixmap, src);
        return;
    }
    int stepX = tileX ? src.width() : dest.width();
    int stepY = tileY ? src.height() : dest.height();
    p.save();
    p.setClipRect(dest, Qt::IntersectClip);
    for (int y = dest.top(); y < dest.top() + dest.height(); y += stepY) {
        for (int x = dest.left(); x < dest.left() + dest.width(); x += stepX) {
            p.drawPixmap(QRect(x, y, stepX, stepY), pixmap, src);
        }
    }
    p.restore();
}

void DrawNine(QPainter& p, const QPixmap& pixmap, const QRect& d, const QRect& s, const UiRect& c,
              bool hole) {
    int dx[4] = {d.left(), d.left() + c.left, d.left() + d.width() - c.right, d.left() + d.width()};
    int dy[4] = {d.top(), d.top() + c.top, d.top() + d.height() - c.bottom, d.top() + d.height()};
    int sx[4] = {s.left(), s.left() + c.left, s.left() + s.width() - c.right, s.left() + s.width()};
    int sy[4] = {s.top(), s.top() + c.top, s.top() + s.height() - c.bottom, s.top() + s.height()};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (row == 1 && col == 1 && hole) {
                continue;
            }
            QRect dp(dx[col], dy[row], dx[col + 1] - dx[col], dy[row + 1] - dy[row]);
            QRect sp(sx[col], sy[row], sx[col + 1] - sx[col], sy[row + 1] - sy[row]);
            DrawPart(p, pixmap, dp, sp, false, false);
        }
    }
}

}  // namespace

void CRenderEngine::DrawColor(HDC hDC, const UiRect& rc, uint32_t color) {
    if ((color >> 24) == 0) {
        return;
    }
    hDC->fillRect(ToQRect(rc), ToQColor(color));
}

void CRenderEngine::DrawGradient(HDC hDC, const UiRect& rc, uint32_t first, uint32_t second,
                                 bool vertical) {
    QLinearGradient gradient(rc.left, rc.top, vertical ? rc.left : rc.right,
                             vertical ? rc.bottom : rc.top);
    gradient.setColorAt(0, ToQColor(first));
    gradient.setColorAt(1, ToQColor(second));
    hDC->fillRect(ToQRect(rc), gradient);
}

void CRenderEngine::FillRoundRect(HDC hDC, const UiRect& rc, int radius, uint32_t color) {
    hDC->save();
    hDC->setRenderHint(QPainter::Antialiasing);
    hDC->setPen(Qt::NoPen);
    hDC->setBrush(ToQColor(color));
    hDC->drawRoundedRect(QRectF(ToQRect(rc)), radius, radius);
    hDC->restore();
}

void CRenderEngine::DrawRect(HDC hDC, const UiRect& rc, int size, uint32_t color) {
    QColor c = ToQColor(color);
    hDC->fillRect(rc.left, rc.top, rc.Width(), size, c);
    hDC->fillRect(rc.left, rc.bottom - size, rc.Width(), size, c);
    hDC->fillRect(rc.left, rc.top + size, size, rc.Height() - 2 * size, c);
    hDC->fillRect(rc.right - size, rc.top + size, size, rc.Height() - 2 * size, c);
}

void CRenderEngine::DrawRoundRect(HDC hDC, const UiRect& rc, int radius, int size, uint32_t color) {
    hDC->save();
    hDC->setRenderHint(QPainter::Antialiasing);
    hDC->setPen(QPen(ToQColor(color), size));
    hDC->setBrush(Qt::NoBrush);
    double half = size / 2.0;
    hDC->drawRoundedRect(
        QRectF(rc.left + half, rc.top + half, rc.Width() - size, rc.Height() - size), radius,
        radius);
    hDC->restore();
}

void CRenderEngine::DrawLine(HDC hDC, UiPoint from, UiPoint to, int size, uint32_t color) {
    hDC->save();
    hDC->setPen(QPen(ToQColor(color), size));
    hDC->drawLine(from.x, from.y, to.x, to.y);
    hDC->restore();
}

void CRenderEngine::FillEllipse(HDC hDC, const UiRect& rc, uint32_t color) {
    hDC->save();
    hDC->setRenderHint(QPainter::Antialiasing);
    hDC->setPen(Qt::NoPen);
    hDC->setBrush(ToQColor(color));
    hDC->drawEllipse(ToQRect(rc));
    hDC->restore();
}

void CRenderEngine::FillPie(HDC hDC, const UiRect& rc, float startDegrees, float sweepDegrees,
                            uint32_t color) {
    hDC->save();
    hDC->setRenderHint(QPainter::Antialiasing);
    hDC->setPen(Qt::NoPen);
    hDC->setBrush(ToQColor(color));
    // Qt counts angles anticlockwise in 1/16 degree.
    hDC->drawPie(ToQRect(rc), static_cast<int>(-startDegrees * 16),
                 static_cast<int>(-sweepDegrees * 16));
    hDC->restore();
}

void CRenderEngine::DrawText(HDC hDC, const UiRect& rc, const std::string& text, uint32_t color,
                             int font, unsigned style) {
    if (text.empty() || rc.IsEmpty()) {
        return;
    }
    const QFont& qfont = CFontTable::Instance().GetFont(font);
    int flags = 0;
    flags |= (style & DT_CENTER)  ? Qt::AlignHCenter
             : (style & DT_RIGHT) ? Qt::AlignRight
                                  : Qt::AlignLeft;
    flags |= (style & DT_VCENTER)  ? Qt::AlignVCenter
             : (style & DT_BOTTOM) ? Qt::AlignBottom
                                   : Qt::AlignTop;
    QString qtext = QString::fromStdString(text);
    hDC->setFont(qfont);
    hDC->setPen(ToQColor(color));
    QRect box = ToQRect(rc);
    if (style & DT_WORDBREAK) {
        hDC->drawText(box, flags | Qt::TextWordWrap, qtext);
        return;
    }
    QFontMetrics metrics(qfont);
    if (style & DT_END_ELLIPSIS) {
        qtext = metrics.elidedText(qtext, Qt::ElideRight, box.width());
    }
    auto& cache = TextCache();
    if (cache.size() > kMaxTexts) {
        cache.clear();
    }
    std::string key = std::to_string(font) + '\x1f' + qtext.toStdString();
    auto it = cache.find(key);
    if (it == cache.end()) {
        QStaticText prepared(qtext);
        prepared.setTextFormat(Qt::PlainText);
        prepared.setPerformanceHint(QStaticText::AggressiveCaching);
        prepared.prepare(QTransform(), qfont);
        it = cache.emplace(std::move(key), std::move(prepared)).first;
    }
    QSizeF size = it->second.size();
    double x = box.left();
    if (flags & Qt::AlignHCenter) {
        x += (box.width() - size.width()) / 2.0;
    } else if (flags & Qt::AlignRight) {
        x += box.width() - size.width();
    }
    double y = box.top();
    if (flags & Qt::AlignVCenter) {
        y += (box.height() - size.height()) / 2.0;
    } else if (flags & Qt::AlignBottom) {
        y += box.height() - size.height();
    }
    bool overflows = size.width() > box.width() || size.height() > box.height();
    if (overflows) {
        hDC->save();
        hDC->setClipRect(box, Qt::IntersectClip);
    }
    hDC->drawStaticText(QPointF(std::round(x), std::round(y)), it->second);
    if (overflows) {
        hDC->restore();
    }
}

UiSize CRenderEngine::MeasureText(const std::string& text, int font, int maxWidth) {
    QFontMetrics metrics(CFontTable::Instance().GetFont(font));
    QString qtext = QString::fromStdString(text);
    if (maxWidth > 0) {
        QRect box = metrics.boundingRect(QRect(0, 0, maxWidth, 100000), Qt::TextWordWrap, qtext);
        return {box.width(), box.height()};
    }
    return {metrics.horizontalAdvance(qtext), metrics.height()};
}

bool CRenderEngine::ParseDrawInfo(const std::string& image, TDrawInfo& info) {
    auto& cache = DrawInfoCache();
    auto it = cache.find(image);
    if (it != cache.end()) {
        info = it->second;
        return !info.sFile.empty();
    }
    TDrawInfo parsed;
    ApplyKeys(image, parsed);
    cache.emplace(image, parsed);
    info = parsed;
    return !info.sFile.empty();
}

const TImageInfo* CRenderEngine::GetImage(const std::string& file) {
    CachedImage* image = LoadImage(file);
    return image != nullptr ? &image->info : nullptr;
}

std::string CRenderEngine::ResolveImagePath(const std::string& file) {
    std::filesystem::path path(file);
    if (path.is_absolute()) {
        return file;
    }
    std::filesystem::path inSkin = std::filesystem::path(CPaintManagerUI::GetResourcePath()) / path;
    std::error_code error;
    if (std::filesystem::exists(inSkin, error)) {
        return inSkin.string();
    }
    return file;
}

bool CRenderEngine::ImageExists(const std::string& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(ResolveImagePath(file), error);
}

void CRenderEngine::FlushImages() {
    ImageCache().clear();
    ComposedCache().clear();
    DrawInfoCache().clear();
}

bool CRenderEngine::DrawImageString(HDC hDC, CPaintManagerUI*, const UiRect& rcItem,
                                    const UiRect& rcPaint, const std::string& image,
                                    const std::string& modify, uint32_t color, int alpha,
                                    bool useColor) {
    TDrawInfo info;
    ParseDrawInfo(image, info);
    if (!modify.empty()) {
        ApplyKeys(modify, info);
    }
    if (info.sFile.empty()) {
        return false;
    }
    CachedImage* cached = LoadImage(info.sFile);
    if (cached == nullptr) {
        return false;
    }
    UiRect dest = rcItem;
    if (!info.rcDest.IsEmpty()) {
        dest = {rcItem.left + info.rcDest.left, rcItem.top + info.rcDest.top,
                std::min(rcItem.left + info.rcDest.right, rcItem.right),
                std::min(rcItem.top + info.rcDest.bottom, rcItem.bottom)};
    }
    if (!dest.Intersects(rcItem) || !dest.Intersects(rcPaint)) {
        return false;
    }
    UiRect source = info.rcSource;
    if (source == UiRect{}) {
        source = {0, 0, cached->info.nX, cached->info.nY};
    }
    source.right = std::min(source.right, cached->info.nX);
    source.bottom = std::min(source.bottom, cached->info.nY);
    if (source.IsEmpty()) {
        return false;
    }

    const QPixmap* pixmap = &cached->pixmap;
    QPixmap tinted;
    if (useColor) {
        QImage shape = cached->image.copy(ToQRect(source));
        QPainter tint(&shape);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(shape.rect(), ToQColor(0xFF000000u | (color & 0xFFFFFF)));
        tint.end();
        tinted = QPixmap::fromImage(shape);
        pixmap = &tinted;
        source = {0, 0, source.Width(), source.Height()};
    }

    hDC->save();
    hDC->setRenderHint(QPainter::SmoothPixmapTransform);
    double opacity = info.uFade / 255.0;
    if (useColor) {
        opacity *= std::clamp(alpha, 0, 255) / 255.0;
    }
    hDC->setOpacity(hDC->opacity() * opacity);
    const UiRect& c = info.rcCorner;
    QRect d = ToQRect(dest);
    QRect s = ToQRect(source);
    if (c == UiRect{}) {
        DrawPart(*hDC, *pixmap, d, s, info.bTiledX, info.bTiledY);
    } else if (!useColor && !info.bTiledX && !info.bTiledY) {
        auto& cache = ComposedCache();
        std::string key = info.sFile + '|' + std::to_string(s.left()) + ',' +
                          std::to_string(s.top()) + ',' + std::to_string(s.width()) + ',' +
                          std::to_string(s.height()) + '|' + std::to_string(c.left) + ',' +
                          std::to_string(c.top) + ',' + std::to_string(c.right) + ',' +
                          std::to_string(c.bottom) + (info.bHole ? "h" : "") + '|' +
                          std::to_string(d.width()) + 'x' + std::to_string(d.height()) + '@' +
                          std::to_string(hDC->transform().m11());
        auto it = cache.find(key);
        if (it == cache.end()) {
            if (cache.size() > kMaxComposed) {
                cache.clear();
            }
            // Composed at the painter's scale so it stays sharp at any DPI.
            double scale = std::max(1.0, hDC->transform().m11());
            QImage composed(static_cast<int>(d.width() * scale),
                            static_cast<int>(d.height() * scale),
                            QImage::Format_ARGB32_Premultiplied);
            composed.fill(Qt::transparent);
            {
                QPainter p(&composed);
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                p.scale(scale, scale);
                DrawNine(p, *pixmap, QRect(0, 0, d.width(), d.height()), s, c, info.bHole);
            }
            composed.setDevicePixelRatio(scale);
            it = cache.emplace(std::move(key), QPixmap::fromImage(composed)).first;
        }
        hDC->drawPixmap(d.topLeft(), it->second);
    } else {
        // Nine parts: corners keep their size, edges stretch one way, the
        // middle both ways (or stays empty with hole).
        int dx[4] = {d.left(), d.left() + c.left, d.left() + d.width() - c.right,
                     d.left() + d.width()};
        int dy[4] = {d.top(), d.top() + c.top, d.top() + d.height() - c.bottom,
                     d.top() + d.height()};
        int sx[4] = {s.left(), s.left() + c.left, s.left() + s.width() - c.right,
                     s.left() + s.width()};
        int sy[4] = {s.top(), s.top() + c.top, s.top() + s.height() - c.bottom,
                     s.top() + s.height()};
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                if (row == 1 && col == 1 && info.bHole) {
                    continue;
                }
                QRect dp(dx[col], dy[row], dx[col + 1] - dx[col], dy[row + 1] - dy[row]);
                QRect sp(sx[col], sy[row], sx[col + 1] - sx[col], sy[row + 1] - sy[row]);
                bool middle = row == 1 && col == 1;
                DrawPart(*hDC, *pixmap, dp, sp, middle && info.bTiledX, middle && info.bTiledY);
            }
        }
    }
    hDC->restore();
    return true;
}

}  // namespace DuiLib
