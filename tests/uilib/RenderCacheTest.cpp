// The render engine's caches: colour-filled images, images by name and
// composed nine-part images must draw exactly what drawing without them draws,
// and must not serve a stale picture once the colour, the part, the image or
// the resource folder changes.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <string>

#include "UiTestSupport.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"

using namespace DuiLib;

namespace {

// 48 x 40 pixels whose alpha runs through every value 0..255 and whose colour
// varies, so a fill that rounds or keeps the old colour shows.
QImage ShapeImage(int seed) {
    QImage image(48, 40, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int a = (y * image.width() + x + seed) % 256;
            image.setPixel(x, y, qRgba((x * 5 + seed) % 256, (y * 7) % 256, 200 - x, a));
        }
    }
    return image;
}

QImage Background() {
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 4, 255 - y * 4, (x * y) % 256));
        }
    }
    return image;
}

// The picture drawing the part of the image in the colour at alpha gives when
// the coloured shape is made by source-in composition on every draw.
QImage Reference(const QImage& shapeFile, const QRect& part, uint32_t rgb, int alpha,
                 const QRect& dest) {
    QImage shape = shapeFile.convertToFormat(QImage::Format_ARGB32_Premultiplied).copy(part);
    {
        QPainter tint(&shape);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(shape.rect(), QColor::fromRgb(0xFF000000u | rgb));
    }
    QImage out = Background();
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setOpacity(alpha / 255.0);
    p.drawImage(dest, shape, shape.rect());
    return out;
}

class RenderCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::EnsureApp();
        ASSERT_TRUE(dir.isValid());
        savedResourcePath = CPaintManagerUI::GetResourcePath();
        CPaintManagerUI::SetResourcePath(dir.path().toStdString());
        CRenderEngine::FlushImages();
    }
    void TearDown() override {
        CPaintManagerUI::SetResourcePath(savedResourcePath);
        CRenderEngine::FlushImages();
    }
    std::string Save(const QImage& image, const std::string& name) {
        const QString path = dir.filePath(QString::fromStdString(name));
        EXPECT_TRUE(image.save(path, "PNG"));
        return name;
    }
    // Draws the description coloured over rcItem of a fresh background.
    static QImage Draw(const std::string& description, const UiRect& item, uint32_t rgb,
                       int alpha) {
        QImage out = Background();
        QPainter p(&out);
        EXPECT_TRUE(CRenderEngine::DrawImageString(&p, nullptr, item, item, description, {},
                                                   0xFF000000u | rgb, alpha, true));
        return out;
    }
    QTemporaryDir dir;
    std::string savedResourcePath;
};

TEST_F(RenderCacheTest, ColouredDrawsMatchSourceInCompositionFirstAndWhenReused) {
    const QImage shape = ShapeImage(0);
    const std::string file = Save(shape, "shape.png");
    struct Case {
        const char* what;
        uint32_t rgb;
        int alpha;
        QRect part;  // of the image; empty for all of it
        UiRect item;
    };
    const Case cases[] = {
        {"white, opaque", 0xFFFFFF, 255, {}, {4, 4, 52, 44}},
        {"black", 0x000000, 255, {}, {4, 4, 52, 44}},
        {"odd colour, half alpha", 0x13C87F, 128, {}, {0, 0, 48, 40}},
        {"pure red, low alpha", 0xFF0000, 17, {}, {10, 12, 58, 52}},
        {"a source part", 0x18C8FF, 255, {5, 3, 20, 30}, {2, 2, 22, 32}},
        {"a source part, stretched", 0x808080, 200, {0, 10, 16, 16}, {0, 0, 40, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string description = "file='" + file + "'";
        QRect part = c.part.isEmpty() ? shape.rect() : c.part;
        if (!c.part.isEmpty()) {
            description += " source='" + std::to_string(part.left()) + "," +
                           std::to_string(part.top()) + "," + std::to_string(part.right() + 1) +
                           "," + std::to_string(part.bottom() + 1) + "'";
        }
        const QRect dest(c.item.left, c.item.top, c.item.Width(), c.item.Height());
        const QImage expected = Reference(shape, part, c.rgb, c.alpha, dest);
        const uint64_t before = CRenderEngine::GetTintCount();
        EXPECT_EQ(Draw(description, c.item, c.rgb, c.alpha), expected) << "first draw";
        EXPECT_EQ(Draw(description, c.item, c.rgb, c.alpha), expected) << "from the cache";
        EXPECT_EQ(CRenderEngine::GetTintCount(), before + 1) << "tinted once for both draws";
    }
}

TEST_F(RenderCacheTest, ColouredImageIsMadeAgainWhenColourPartOrImageChanges) {
    const std::string first = Save(ShapeImage(0), "first.png");
    const std::string second = Save(ShapeImage(0), "second.png");  // same pixels, other file
    const UiRect item{0, 0, 16, 16};
    const std::string part = "' source='0,0,16,16'";
    Draw("file='" + first + part, item, 0x102030, 255);
    struct Case {
        const char* what;
        std::string description;
        uint32_t rgb;
        int alpha;
        uint64_t newTints;
    };
    const Case cases[] = {
        {"same everything", "file='" + first + part, 0x102030, 255, 0},
        {"only the alpha differs", "file='" + first + part, 0x102030, 90, 0},
        {"other colour", "file='" + first + part, 0x102031, 255, 1},
        {"other part", "file='" + first + "' source='1,0,17,16'", 0x102030, 255, 1},
        {"other image", "file='" + second + part, 0x102030, 255, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const uint64_t before = CRenderEngine::GetTintCount();
        Draw(c.description, item, c.rgb, c.alpha);
        EXPECT_EQ(CRenderEngine::GetTintCount() - before, c.newTints);
    }
}

// An animation cycles through more colours than are kept; entries given up
// are reused for new ones and must never show an older colour or size.
TEST_F(RenderCacheTest, CycleOfMoreColoursThanKeptDrawsEachCorrectly) {
    const QImage shape = ShapeImage(3);
    const std::string file = Save(shape, "cycle.png");
    const QRect parts[] = {{0, 0, 24, 24}, {8, 4, 32, 32}};
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 700; ++i) {
            const QRect& part = parts[i % 2];
            const uint32_t rgb = static_cast<uint32_t>(i * 0x010305) & 0xFFFFFF;
            const UiRect item{0, 0, part.width(), part.height()};
            const std::string description =
                "file='" + file + "' source='" + std::to_string(part.left()) + "," +
                std::to_string(part.top()) + "," + std::to_string(part.right() + 1) + "," +
                std::to_string(part.bottom() + 1) + "'";
            // Checking every 7th draw keeps the test quick yet covers both
            // sizes, fresh entries and reused ones.
            if (i % 7 == 0 || i == 699) {
                ASSERT_EQ(
                    Draw(description, item, rgb, 255),
                    Reference(shape, part, rgb, 255, QRect(0, 0, part.width(), part.height())))
                    << "round " << round << ", colour " << i;
            } else {
                Draw(description, item, rgb, 255);
            }
        }
    }
}

TEST_F(RenderCacheTest, SameFileNameInAnotherResourceFolderIsLoadedFromThere) {
    QImage red(8, 8, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QImage blue(8, 8, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    ASSERT_TRUE(red.save(dir.filePath("k.png"), "PNG"));
    ASSERT_TRUE(blue.save(other.filePath("k.png"), "PNG"));

    auto drawn = [] {
        QImage out(8, 8, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::black);
        QPainter p(&out);
        EXPECT_TRUE(
            CRenderEngine::DrawImageString(&p, nullptr, {0, 0, 8, 8}, {0, 0, 8, 8}, "k.png"));
        p.end();
        return out.pixel(4, 4);
    };
    EXPECT_EQ(drawn(), qRgb(255, 0, 0));
    CPaintManagerUI::SetResourcePath(other.path().toStdString());
    EXPECT_EQ(drawn(), qRgb(0, 0, 255));
    CPaintManagerUI::SetResourcePath(dir.path().toStdString());
    EXPECT_EQ(drawn(), qRgb(255, 0, 0));
}

// Nine-part images are composed once per size; two images of the same size
// and corners must not share one.
TEST_F(RenderCacheTest, NinePartImagesOfDifferentFilesAreComposedApart) {
    QImage green(24, 24, QImage::Format_ARGB32);
    green.fill(Qt::green);
    QImage framed = green.copy();
    for (int i = 0; i < 24; ++i) {
        for (int j = 0; j < 4; ++j) {
            framed.setPixel(i, j, qRgb(255, 255, 0));  // a yellow top edge
        }
    }
    const std::string plain = Save(green, "plain.png");
    const std::string edged = Save(framed, "edged.png");
    auto drawn = [](const std::string& description) {
        QImage out(40, 40, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::black);
        QPainter p(&out);
        EXPECT_TRUE(CRenderEngine::DrawImageString(&p, nullptr, {0, 0, 40, 40}, {0, 0, 40, 40},
                                                   description));
        p.end();
        return out;
    };
    const QImage a = drawn("file='" + plain + "' corner='4,4,4,4'");
    const QImage b = drawn("file='" + edged + "' corner='4,4,4,4'");
    EXPECT_EQ(a.pixel(20, 1), qRgb(0, 255, 0));
    EXPECT_EQ(b.pixel(20, 1), qRgb(255, 255, 0));
    EXPECT_EQ(drawn("file='" + edged + "' corner='4,4,4,4'"), b) << "same as first composed";
}

}  // namespace
