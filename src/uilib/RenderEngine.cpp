#include "uilib/RenderEngine.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStaticText>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>
#include <vector>

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

// An image description parsed once, with its image once looked up (nullptr
// until then, and for a file that does not load).
struct ParsedImage {
    TDrawInfo info;
    CachedImage* image = nullptr;
    bool looked = false;
};

std::unordered_map<std::string, ParsedImage>& DrawInfoCache() {
    static std::unordered_map<std::string, ParsedImage> cache;
    return cache;
}

// Nine-part images drawn at a size, kept so that a repaint draws each one
// with a single copy.
constexpr size_t kMaxComposed = 1024;

struct ComposedKey {
    const CachedImage* image = nullptr;
    int source[4] = {};
    int corner[4] = {};
    bool hole = false;
    int width = 0;
    int height = 0;
    double scale = 1.0;
    bool operator==(const ComposedKey&) const = default;
};

struct ComposedKeyHash {
    size_t operator()(const ComposedKey& k) const {
        size_t h = std::hash<const void*>()(k.image);
        auto mix = [&h](size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
        for (int v : k.source) {
            mix(std::hash<int>()(v));
        }
        for (int v : k.corner) {
            mix(std::hash<int>()(v));
        }
        mix(std::hash<int>()(k.width * 65599 + k.height));
        mix(std::hash<double>()(k.scale) ^ static_cast<size_t>(k.hole));
        return h;
    }
};

std::unordered_map<ComposedKey, QPixmap, ComposedKeyHash>& ComposedCache() {
    static std::unordered_map<ComposedKey, QPixmap, ComposedKeyHash> cache;
    return cache;
}

// Images filled with a colour (the shape of a part of an image, tinted), by
// image, part and colour. Lit keys repaint with the same few colours frame
// after frame, so each is tinted once; the oldest entry's buffer is reused for
// a new one, so a full cache does not allocate per draw.
constexpr size_t kMaxTinted = 512;

struct TintKey {
    const CachedImage* image = nullptr;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    uint32_t rgb = 0;
    bool operator==(const TintKey&) const = default;
};

struct TintKeyHash {
    size_t operator()(const TintKey& k) const {
        size_t h = std::hash<const void*>()(k.image);
        for (uint64_t v : {static_cast<uint64_t>(k.left) << 32 | static_cast<uint32_t>(k.top),
                           static_cast<uint64_t>(k.width) << 32 | static_cast<uint32_t>(k.height),
                           static_cast<uint64_t>(k.rgb)}) {
            h ^= std::hash<uint64_t>()(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
        }
        return h;
    }
};

struct TintCache {
    std::unordered_map<TintKey, size_t, TintKeyHash> index;
    std::vector<std::pair<TintKey, QImage>> entries;
    size_t next = 0;  // the slot replaced next once all are used
    uint64_t tints = 0;
};

TintCache& Tinted() {
    static TintCache cache;
    return cache;
}

// Single-line texts, laid out once and drawn once into an image at the
// painter's scale: a repaint copies the image instead of drawing glyphs (a
// picture of a keyboard has a hundred labels).
constexpr size_t kMaxTexts = 4096;
struct TextEntry {
    QStaticText text;
    QImage image;  // the text in its colour at scale
    double scale = 0;
};
std::unordered_map<std::string, TextEntry>& TextCache() {
    static std::unordered_map<std::string, TextEntry> cache;
    return cache;
}

const QImage& RenderedText(TextEntry& entry, const QFont& font, const QColor& color, double scale) {
    if (entry.scale != scale || entry.image.isNull()) {
        const QSizeF size = entry.text.size();
        QImage image(std::max(1, static_cast<int>(std::ceil(size.width() * scale))),
                     std::max(1, static_cast<int>(std::ceil(size.height() * scale))),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.scale(scale, scale);
            p.setFont(font);
            p.setPen(color);
            p.drawStaticText(QPointF(0, 0), entry.text);
        }
        image.setDevicePixelRatio(scale);
        entry.image = std::move(image);
        entry.scale = scale;
    }
    return entry.image;
}

QColor ToQColor(uint32_t argb) {
    return QColor((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, (argb >> 24) & 0xFF);
}

QRect ToQRect(const UiRect& rc) {
    return QRect(rc.left, rc.top, rc.Width(), rc.Height());
}

// Images by the file name a description gives, for the resource folder they
// were resolved in, so that a draw looks neither at the disk nor at paths.
struct NamedImages {
    std::string resourcePath;
    std::unordered_map<std::string, CachedImage*> byName;
};

NamedImages& ImagesByName() {
    static NamedImages names;
    return names;
}

CachedImage* LoadImageByPath(const std::string& file);

CachedImage* LoadImage(const std::string& file) {
    NamedImages& names = ImagesByName();
    const std::string& resourcePath = CPaintManagerUI::GetResourcePath();
    if (names.resourcePath != resourcePath) {
        names.byName.clear();
        names.resourcePath = resourcePath;
    }
    auto it = names.byName.find(file);
    if (it != names.byName.end()) {
        return it->second;
    }
    CachedImage* image = LoadImageByPath(file);
    names.byName.emplace(file, image);
    return image;
}

CachedImage* LoadImageByPath(const std::string& file) {
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

// Every channel of the pixel times a / 255, rounded to nearest.
inline uint32_t MultiplyByAlpha(uint32_t pixel, uint32_t a) {
    uint32_t redBlue = (pixel & 0xFF00FF) * a;
    redBlue = ((redBlue + ((redBlue >> 8) & 0xFF00FF) + 0x800080) >> 8) & 0xFF00FF;
    uint32_t alphaGreen = ((pixel >> 8) & 0xFF00FF) * a;
    alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0xFF00FF) + 0x800080) & 0xFF00FF00;
    return alphaGreen | redBlue;
}

// The part s of the image with every pixel's colour replaced by rgb, its
// alpha kept.
const QImage& TintedImage(const CachedImage& image, const QRect& s, uint32_t rgb) {
    TintCache& cache = Tinted();
    const TintKey key{&image, s.left(), s.top(), s.width(), s.height(), rgb & 0xFFFFFF};
    auto it = cache.index.find(key);
    if (it != cache.index.end()) {
        return cache.entries[it->second].second;
    }
    size_t slot = cache.entries.size();
    if (slot < kMaxTinted) {
        cache.entries.emplace_back(key, QImage());
    } else {
        slot = cache.next;
        cache.next = (cache.next + 1) % kMaxTinted;
        cache.index.erase(cache.entries[slot].first);
        cache.entries[slot].first = key;
    }
    QImage& shape = cache.entries[slot].second;
    if (shape.size() != s.size() || shape.format() != image.image.format()) {
        shape = QImage(s.size(), image.image.format());
    }
    // Each premultiplied pixel becomes the opaque colour times the pixel's
    // alpha, rounded as the raster engine's source-in composition rounds.
    const uint32_t opaque = 0xFF000000u | (rgb & 0xFFFFFF);
    for (int y = 0; y < s.height(); ++y) {
        const auto* from =
            reinterpret_cast<const uint32_t*>(image.image.constScanLine(s.top() + y)) + s.left();
        auto* to = reinterpret_cast<uint32_t*>(shape.scanLine(y));
        for (int x = 0; x < s.width(); ++x) {
            to[x] = MultiplyByAlpha(opaque, from[x] >> 24);
        }
    }
    ++cache.tints;
    cache.index.emplace(key, slot);
    return shape;
}

void Blit(QPainter& p, const QRect& dest, const QPixmap& pixmap, const QRect& src) {
    p.drawPixmap(dest, pixmap, src);
}

void Blit(QPainter& p, const QRect& dest, const QImage& image, const QRect& src) {
    p.drawImage(dest, image, src);
}

template <typename Image>
void DrawPart(QPainter& p, const Image& pixmap, const QRect& dest, const QRect& src, bool tileX,
              bool tileY) {
    if (dest.isEmpty() || src.isEmpty()) {
        return;
    }
    if (!tileX && !tileY) {
        Blit(p, dest, pixmap, src);
        return;
    }
    int stepX = tileX ? src.width() : dest.width();
    int stepY = tileY ? src.height() : dest.height();
    p.save();
    p.setClipRect(dest, Qt::IntersectClip);
    for (int y = dest.top(); y < dest.top() + dest.height(); y += stepY) {
        for (int x = dest.left(); x < dest.left() + dest.width(); x += stepX) {
            Blit(p, QRect(x, y, stepX, stepY), pixmap, src);
        }
    }
    p.restore();
}

template <typename Image>
void DrawNine(QPainter& p, const Image& pixmap, const QRect& d, const QRect& s, const UiRect& c,
              bool hole, bool tileX = false, bool tileY = false) {
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
            const bool middle = row == 1 && col == 1;
            DrawPart(p, pixmap, dp, sp, middle && tileX, middle && tileY);
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
    QRect box = ToQRect(rc);
    if (style & DT_WORDBREAK) {
        hDC->setFont(qfont);
        hDC->setPen(ToQColor(color));
        hDC->drawText(box, flags | Qt::TextWordWrap, QString::fromStdString(text));
        return;
    }
    // Keyed by font, colour and text, and by width when the text is shortened
    // to fit, so that a repaint neither converts, measures, lays out nor draws
    // the glyphs again.
    const bool elide = (style & DT_END_ELLIPSIS) != 0;
    char head[32];
    const int headLength =
        elide ? std::snprintf(head, sizeof head, "%d\x1f%08x\x1f%d\x1f", font, color, box.width())
              : std::snprintf(head, sizeof head, "%d\x1f%08x\x1f", font, color);
    std::string key;
    key.reserve(static_cast<std::size_t>(headLength) + text.size());
    key.append(head, static_cast<std::size_t>(headLength)).append(text);
    auto& cache = TextCache();
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > kMaxTexts) {
            cache.clear();
        }
        QString qtext = QString::fromStdString(text);
        if (elide) {
            qtext = QFontMetrics(qfont).elidedText(qtext, Qt::ElideRight, box.width());
        }
        TextEntry entry;
        entry.text.setText(qtext);
        entry.text.setTextFormat(Qt::PlainText);
        entry.text.prepare(QTransform(), qfont);
        it = cache.emplace(std::move(key), std::move(entry)).first;
    }
    const QSizeF size = it->second.text.size();
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
    // The image lands on whole device pixels, so it is copied, not resampled.
    const QTransform& t = hDC->transform();
    const double scale = t.m11() > 0 ? t.m11() : 1.0;
    const QImage& image = RenderedText(it->second, qfont, ToQColor(color), scale);
    const QPointF at((std::round(x * scale + t.dx()) - t.dx()) / scale,
                     (std::round(y * scale + t.dy()) - t.dy()) / scale);
    const bool overflows = size.width() > box.width() || size.height() > box.height();
    if (overflows) {
        hDC->save();
        hDC->setClipRect(box, Qt::IntersectClip);
    }
    hDC->drawImage(at, image);
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

namespace {

// The parsed description, parsed once.
ParsedImage& CachedParse(const std::string& image) {
    auto& cache = DrawInfoCache();
    auto it = cache.find(image);
    if (it == cache.end()) {
        ParsedImage parsed;
        ApplyKeys(image, parsed.info);
        it = cache.emplace(image, std::move(parsed)).first;
    }
    return it->second;
}

const TDrawInfo& CachedDrawInfo(const std::string& image) {
    return CachedParse(image).info;
}

}  // namespace

bool CRenderEngine::ParseDrawInfo(const std::string& image, TDrawInfo& info) {
    info = CachedDrawInfo(image);
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

uint64_t CRenderEngine::GetTintCount() {
    return Tinted().tints;
}

void CRenderEngine::FlushImages() {
    ImagesByName().byName.clear();
    ImageCache().clear();
    ComposedCache().clear();
    DrawInfoCache().clear();
    const uint64_t tints = Tinted().tints;
    Tinted() = TintCache();
    Tinted().tints = tints;
}

bool CRenderEngine::DrawImageString(HDC hDC, CPaintManagerUI*, const UiRect& rcItem,
                                    const UiRect& rcPaint, const std::string& image,
                                    const std::string& modify, uint32_t color, int alpha,
                                    bool useColor) {
    // Most draws have no modification and use the parsed description as is.
    TDrawInfo modified;
    ParsedImage& entry = CachedParse(image);
    const TDrawInfo* parsed = &entry.info;
    if (!modify.empty()) {
        modified = *parsed;
        ApplyKeys(modify, modified);
        parsed = &modified;
    }
    const TDrawInfo& info = *parsed;
    if (info.sFile.empty()) {
        return false;
    }
    CachedImage* cached = nullptr;
    if (modify.empty()) {
        if (!entry.looked) {
            entry.image = LoadImage(info.sFile);
            entry.looked = true;
        }
        cached = entry.image;
    } else {
        cached = LoadImage(info.sFile);
    }
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

    // Only the state this draw needs is changed and put back: saving and
    // restoring the whole painter costs more than drawing a key.
    const bool smooth = hDC->testRenderHint(QPainter::SmoothPixmapTransform);
    if (!smooth) {
        hDC->setRenderHint(QPainter::SmoothPixmapTransform);
    }
    double opacity = info.uFade / 255.0;
    if (useColor) {
        opacity *= std::clamp(alpha, 0, 255) / 255.0;
    }
    const double oldOpacity = hDC->opacity();
    if (opacity != 1.0) {
        hDC->setOpacity(oldOpacity * opacity);
    }
    const UiRect& c = info.rcCorner;
    QRect d = ToQRect(dest);
    QRect s = ToQRect(source);
    if (useColor) {
        const QImage& tinted = TintedImage(*cached, s, color);
        const QRect all(0, 0, s.width(), s.height());
        if (c == UiRect{}) {
            DrawPart(*hDC, tinted, d, all, info.bTiledX, info.bTiledY);
        } else {
            DrawNine(*hDC, tinted, d, all, c, info.bHole, info.bTiledX, info.bTiledY);
        }
    } else if (c == UiRect{}) {
        DrawPart(*hDC, cached->pixmap, d, s, info.bTiledX, info.bTiledY);
    } else if (!info.bTiledX && !info.bTiledY) {
        auto& cache = ComposedCache();
        const ComposedKey key{cached,
                              {s.left(), s.top(), s.width(), s.height()},
                              {c.left, c.top, c.right, c.bottom},
                              info.bHole,
                              d.width(),
                              d.height(),
                              hDC->transform().m11()};
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
                DrawNine(p, cached->pixmap, QRect(0, 0, d.width(), d.height()), s, c, info.bHole);
            }
            composed.setDevicePixelRatio(scale);
            it = cache.emplace(key, QPixmap::fromImage(composed)).first;
        }
        hDC->drawPixmap(d.topLeft(), it->second);
    } else {
        // Nine parts: corners keep their size, edges stretch one way, the
        // middle both ways (or stays empty with hole).
        DrawNine(*hDC, cached->pixmap, d, s, c, info.bHole, info.bTiledX, info.bTiledY);
    }
    if (opacity != 1.0) {
        hDC->setOpacity(oldOpacity);
    }
    if (!smooth) {
        hDC->setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    return true;
}

}  // namespace DuiLib
