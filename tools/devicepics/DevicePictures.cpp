#include "DevicePictures.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "KeyboardLayout.h"

namespace devicepics {
namespace {

// The look of every picture: flat dark grey shapes, a cyan accent.
const QColor kCaseTop(0x31, 0x34, 0x3b);
const QColor kCaseBottom(0x25, 0x28, 0x2e);
const QColor kCaseEdge(0x40, 0x44, 0x4d);
const QColor kPlate(0x1b, 0x1d, 0x22);
const QColor kKeySkirt(0x2c, 0x2f, 0x36);
const QColor kKeyFace(0x44, 0x48, 0x51);
const QColor kKeyFaceLow(0x3b, 0x3f, 0x47);
const QColor kAccent(0x18, 0xc8, 0xff);
const QColor kSlot(0x15, 0x17, 0x1b);

constexpr int kPitch = 36;
constexpr int kKeyGap = 4;
constexpr int kMargin = 18;

std::string g_error;

QImage NewImage(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool Save(const QImage& image, const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    if (!image.save(QString::fromStdString(path.string()), "PNG")) {
        std::fprintf(stderr, "devicepics: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

QPainterPath Rounded(const QRectF& rc, double radius) {
    QPainterPath path;
    path.addRoundedRect(rc, radius, radius);
    return path;
}

// A key cap: a darker skirt and a lighter top face, drawn at 40 x 40 and
// stretched by its 8-pixel corners.
QImage KeyCap(const QColor& face, const QColor& faceLow, const QColor* outline) {
    QImage image = NewImage(40, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(Rounded(QRectF(0.5, 0.5, 39, 39), 6), kKeySkirt);
    QLinearGradient g(0, 2, 0, 34);
    g.setColorAt(0, face);
    g.setColorAt(1, faceLow);
    p.fillPath(Rounded(QRectF(3, 2, 34, 32), 5), g);
    if (outline != nullptr) {
        p.setPen(QPen(*outline, 1.5));
        p.drawPath(Rounded(QRectF(1, 1, 38, 38), 6));
    }
    return image;
}

// The shape a lit key is filled with: a bright rim and a faint face.
// Drawn at the key's own size: a lit key is repainted with every frame, and
// an image that needs no stretching is the cheapest to tint and draw.
QImage KeyLight(int w, int h) {
    QImage image = NewImage(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ring =
        Rounded(QRectF(0, 0, w, h), 6).subtracted(Rounded(QRectF(2.5, 2.5, w - 5, h - 5), 5));
    p.fillPath(ring, QColor(255, 255, 255, 255));
    p.fillPath(Rounded(QRectF(3, 2, w - 6, h - 8), 5), QColor(255, 255, 255, 80));
    p.fillPath(Rounded(QRectF(3, h - 10, w - 6, 7), 3), QColor(255, 255, 255, 170));
    return image;
}

QString KeyLightFile(int w, int h) {
    return QString("device/key_light_%1x%2.png").arg(w).arg(h);
}

QImage KeyMark() {
    QImage image = NewImage(40, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    tri.moveTo(30, 2);
    tri.lineTo(38, 2);
    tri.lineTo(38, 10);
    tri.closeSubpath();
    p.fillPath(tri, kAccent);
    return image;
}

QImage KeyboardCase() {
    QImage image = NewImage(96, 96);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 96);
    g.setColorAt(0, kCaseTop);
    g.setColorAt(1, kCaseBottom);
    p.fillPath(Rounded(QRectF(0.5, 0.5, 95, 95), 16), g);
    p.setPen(QPen(kCaseEdge, 1));
    p.drawPath(Rounded(QRectF(0.5, 0.5, 95, 95), 16));
    p.fillPath(Rounded(QRectF(9, 9, 78, 78), 8), kPlate);
    return image;
}

// A lamp of a light zone: a dark slot when off; the glow shape when lit.
QImage Pill(bool glow, int w, int h) {
    QImage image = NewImage(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = 5.0;
    if (!glow) {
        p.fillPath(Rounded(QRectF(0.5, 0.5, w - 1, h - 1), r), kSlot);
        p.setPen(QPen(QColor(0x33, 0x36, 0x3d), 1));
        p.drawPath(Rounded(QRectF(0.5, 0.5, w - 1, h - 1), r));
        return image;
    }
    p.fillPath(Rounded(QRectF(0, 0, w, h), r), QColor(255, 255, 255, 110));
    p.fillPath(Rounded(QRectF(1.5, 1.5, w - 3, h - 3), r - 1.5), QColor(255, 255, 255, 255));
    return image;
}

QImage Dot(bool glow, int size) {
    QImage image = NewImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size / 2.0, size / 2.0);
    if (!glow) {
        p.setBrush(kSlot);
        p.setPen(QPen(QColor(0x33, 0x36, 0x3d), 1));
        p.drawEllipse(c, size / 2.0 - 3, size / 2.0 - 3);
        return image;
    }
    QRadialGradient g(c, size / 2.0);
    g.setColorAt(0, QColor(255, 255, 255, 255));
    g.setColorAt(0.45, QColor(255, 255, 255, 255));
    g.setColorAt(0.6, QColor(255, 255, 255, 120));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, size / 2.0, size / 2.0);
    return image;
}

QImage HotOverlay() {
    QImage image = NewImage(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill = kAccent;
    fill.setAlpha(45);
    p.fillPath(Rounded(QRectF(0.5, 0.5, 23, 23), 6), fill);
    p.setPen(QPen(kAccent, 1.5));
    p.drawPath(Rounded(QRectF(1, 1, 22, 22), 6));
    return image;
}

// ---- Mouse (300 x 420): top view, front up.
constexpr double kMouseCx = 150;
constexpr double kMouseCy = 215;
constexpr double kMouseRx = 88;
constexpr double kMouseRy = 158;

double MouseHalfWidth(double y) {
    double t = (y - kMouseCy) / kMouseRy;
    return t >= 1 ? 0 : kMouseRx * std::sqrt(1 - t * t);
}

QImage MouseBody() {
    QImage image = NewImage(300, 420);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addEllipse(QPointF(kMouseCx, kMouseCy), kMouseRx, kMouseRy);
    QLinearGradient g(0, 57, 0, 373);
    g.setColorAt(0, kCaseTop);
    g.setColorAt(1, kCaseBottom);
    p.fillPath(body, g);
    p.setPen(QPen(kCaseEdge, 1.2));
    p.drawPath(body);
    // The LED channel around the rear half.
    QPainterPath channel;
    channel.addEllipse(QPointF(kMouseCx, kMouseCy), kMouseRx - 5, kMouseRy - 5);
    QPainterPath inner;
    inner.addEllipse(QPointF(kMouseCx, kMouseCy), kMouseRx - 15, kMouseRy - 15);
    QPainterPath rear;
    rear.addRect(QRectF(0, 222, 300, 200));
    p.fillPath(channel.subtracted(inner).intersected(rear), kPlate);
    // The two main buttons and their seam.
    QPainterPath buttons;
    buttons.addEllipse(QPointF(kMouseCx, kMouseCy), kMouseRx - 2, kMouseRy - 2);
    QPainterPath front;
    front.addRect(QRectF(0, 0, 300, 178));
    p.fillPath(buttons.intersected(front), QColor(0x38, 0x3c, 0x44));
    p.setPen(QPen(kSlot, 2));
    p.drawLine(QPointF(kMouseCx, 58), QPointF(kMouseCx, 178));
    p.drawLine(QPointF(kMouseCx - MouseHalfWidth(178) + 2, 178),
               QPointF(kMouseCx + MouseHalfWidth(178) - 2, 178));
    // The wheel well.
    p.fillPath(Rounded(QRectF(136, 80, 28, 60), 8), kSlot);
    // Side buttons on both flanks.
    auto side = [&p](double x, double y) {
        p.fillPath(Rounded(QRectF(x, y, 12, 40), 5), QColor(0x36, 0x3a, 0x42));
        p.setPen(QPen(kCaseEdge, 1));
        p.drawPath(Rounded(QRectF(x, y, 12, 40), 5));
    };
    side(kMouseCx - MouseHalfWidth(200) - 3, 186);
    side(kMouseCx - MouseHalfWidth(245) - 3, 230);
    side(kMouseCx + MouseHalfWidth(200) - 9, 186);
    side(kMouseCx + MouseHalfWidth(245) - 9, 230);
    return image;
}

// ---- Mouse pad (520 x 340).
QImage PadBody() {
    QImage image = NewImage(520, 340);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(Rounded(QRectF(0.5, 0.5, 519, 339), 20), QColor(0x2a, 0x2d, 0x33));
    p.setPen(QPen(kCaseEdge, 1));
    p.drawPath(Rounded(QRectF(0.5, 0.5, 519, 339), 20));
    QLinearGradient g(0, 20, 0, 320);
    g.setColorAt(0, QColor(0x22, 0x24, 0x2a));
    g.setColorAt(1, QColor(0x1b, 0x1d, 0x22));
    p.fillPath(Rounded(QRectF(22, 22, 476, 296), 12), g);
    // The charging spot for a phone, top left.
    p.setPen(QPen(QColor(0x3a, 0x3e, 0x46), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(92, 100), 46, 46);
    p.drawEllipse(QPointF(92, 100), 30, 30);
    p.setPen(QPen(QColor(0x4a, 0x4f, 0x58), 2.5));
    p.drawArc(QRectF(80, 88, 24, 24), 30 * 16, 120 * 16);
    p.drawArc(QRectF(72, 80, 40, 40), 35 * 16, 110 * 16);
    p.setBrush(QColor(0x4a, 0x4f, 0x58));
    p.drawEllipse(QPointF(92, 106), 3, 3);
    return image;
}

// ---- Headset (460 x 380): front view.
QImage HeadsetBody() {
    QImage image = NewImage(460, 380);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath band;
    band.moveTo(70, 200);
    band.cubicTo(60, 30, 400, 30, 390, 200);
    band.lineTo(372, 200);
    band.cubicTo(380, 58, 80, 58, 88, 200);
    band.closeSubpath();
    p.fillPath(band, kCaseTop);
    p.setPen(QPen(kCaseEdge, 1));
    p.drawPath(band);
    // Microphone boom from the left cup.
    QPainterPath boom;
    boom.moveTo(110, 300);
    boom.cubicTo(120, 360, 170, 370, 200, 352);
    p.setPen(QPen(QColor(0x30, 0x33, 0x3a), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(boom);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x28, 0x2e));
    p.drawEllipse(QPointF(204, 350), 11, 9);
    auto cup = [&p](double cx) {
        p.setPen(QPen(kCaseEdge, 1.2));
        QLinearGradient g(0, 130, 0, 330);
        g.setColorAt(0, kCaseTop);
        g.setColorAt(1, kCaseBottom);
        p.setBrush(g);
        p.drawEllipse(QPointF(cx, 232), 72, 98);
        p.setBrush(kPlate);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(cx, 232), 60, 84);
        p.setBrush(QColor(0x2e, 0x31, 0x38));
        p.drawEllipse(QPointF(cx, 232), 36, 52);
    };
    cup(110);
    cup(350);
    return image;
}

// ---- Layout writing.

struct Writer {
    QString text;
    void Line(const QString& line) { text += line + "\n"; }
};

QString Pos(int l, int t, int r, int b) {
    return QString("%1,%2,%3,%4").arg(l).arg(t).arg(r).arg(b);
}

QString Escape(const char* text) {
    QString s = QString::fromUtf8(text);
    s.replace("&", "&amp;").replace("\"", "&quot;").replace("<", "&lt;").replace(">", "&gt;");
    return s;
}

const char* kLedAttributes =
    "normalimage=\"file='device/led_slot.png' corner='5,5,5,5'\" "
    "lightimage=\"file='device/led_glow.png' corner='5,5,5,5'\"";
const char* kDotAttributes =
    "normalimage=\"file='device/led_dot_off.png'\" lightimage=\"file='device/led_dot.png'\"";

bool WriteLayout(const std::filesystem::path& path, const QString& body) {
    std::filesystem::create_directories(path.parent_path());
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "devicepics: cannot write %s\n", path.string().c_str());
        return false;
    }
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        << "<!-- Generated by zentor-devicepics; edit tools/devicepics and run it again. -->\n"
        << body;
    return true;
}

// The page around a picture: the picture's select panel, a direct child of the
// page (the page binds the buttons of its first select panel), centred.
QString Page(const char* pageClass, const char* pageName, const char* panelName, int w, int h,
             const QString& panelImage, const QString& children) {
    Writer x;
    x.Line(QString("<%1 name=\"%2\" bkcolor=\"#FF15171C\">").arg(pageClass, pageName));
    x.Line("  <Control/>");
    x.Line(QString("  <SelectPanel name=\"%1\" width=\"%2\" height=\"%3\" padding=\"0,24,0,0\" "
                   "bkimage=\"%4\">")
               .arg(panelName)
               .arg(w)
               .arg(h)
               .arg(panelImage));
    x.text += children;
    x.Line("  </SelectPanel>");
    x.Line("  <Control/>");
    x.Line(QString("</%1>").arg(pageClass));
    return x.text;
}

QString KeyboardKeys() {
    Writer x;
    for (const KeyPlace& k : KeyboardPlaces()) {
        int l = kMargin + static_cast<int>(std::lround(k.x * kPitch));
        int t = kMargin + static_cast<int>(std::lround(k.y * kPitch));
        int r = l + static_cast<int>(std::lround(k.w * kPitch)) - kKeyGap;
        int b = t + static_cast<int>(std::lround(k.h * kPitch)) - kKeyGap;
        x.Line(QString("    <DeviceKeyButton name=\"key_%1\" userdata=\"light_%1\" float=\"true\" "
                       "pos=\"%2\" text=\"%3\" font=\"2\" textcolor=\"#FFE8E8E8\" "
                       "normalimage=\"file='device/key_normal.png' corner='8,8,8,8'\" "
                       "hotimage=\"file='device/key_hot.png' corner='8,8,8,8'\" "
                       "pushedimage=\"file='device/key_pushed.png' corner='8,8,8,8'\" "
                       "lightimage=\"file='%4'\" "
                       "keysetimage=\"file='device/key_mark.png' corner='10,10,10,10'\"/>")
                   .arg(k.position)
                   .arg(Pos(l, t, r, b))
                   .arg(Escape(k.legend))
                   .arg(KeyLightFile(r - l, b - t)));
    }
    return x.text;
}

QString MouseChildren() {
    Writer x;
    struct Button {
        int n;
        int l, t, r, b;
        bool drawn;
    };
    const Button buttons[] = {
        {0, 70, 62, 148, 176, false},
        {1, 152, 62, 230, 176, false},
        {2, 141, 86, 159, 134, true},
        {5, 141, 144, 159, 156, true},
        {6, 141, 160, 159, 172, true},
        {7, 140, 188, 160, 198, true},
        {3, static_cast<int>(kMouseCx - MouseHalfWidth(200) - 3), 186,
         static_cast<int>(kMouseCx - MouseHalfWidth(200) + 9), 226, false},
        {4, static_cast<int>(kMouseCx - MouseHalfWidth(245) - 3), 230,
         static_cast<int>(kMouseCx - MouseHalfWidth(245) + 9), 270, false},
        {9, static_cast<int>(kMouseCx + MouseHalfWidth(200) - 9), 186,
         static_cast<int>(kMouseCx + MouseHalfWidth(200) + 3), 226, false},
        {10, static_cast<int>(kMouseCx + MouseHalfWidth(245) - 9), 230,
         static_cast<int>(kMouseCx + MouseHalfWidth(245) + 3), 270, false},
        {8, 104, 102, 124, 112, true},
    };
    for (const Button& b : buttons) {
        QString look =
            b.drawn ? "normalimage=\"file='device/mouse_btn.png' corner='5,5,5,5'\" " : "";
        x.Line(QString("    <DeviceKeyButton name=\"key_%1\" float=\"true\" pos=\"%2\" %3"
                       "hotimage=\"file='device/hot.png' corner='7,7,7,7'\"/>")
                   .arg(b.n)
                   .arg(Pos(b.l, b.t, b.r, b.b))
                   .arg(look));
    }
    // The LED strip: 0..6 up the left flank, 7..13 down the right one.
    for (int i = 0; i < 14; ++i) {
        const bool left = i < 7;
        const int k = left ? i : 13 - i;
        const double y = 236 + k * 19;
        const double hw = MouseHalfWidth(y) - 10;
        const int cx = static_cast<int>(std::lround(left ? kMouseCx - hw : kMouseCx + hw));
        const int cy = static_cast<int>(std::lround(y));
        x.Line(
            QString("    <DeviceKeyButton name=\"light_%1\" userdata=\"light_%1\" float=\"true\" "
                    "pos=\"%2\" %3/>")
                .arg(i)
                .arg(Pos(cx - 5, cy - 8, cx + 5, cy + 8))
                .arg(kLedAttributes));
    }
    x.Line(QString("    <DeviceKeyButton name=\"logo\" userdata=\"light_14\" float=\"true\" "
                   "pos=\"%1\" normalimage=\"file='device/logo_off.png'\" "
                   "lightimage=\"file='device/logo_glow.png'\"/>")
               .arg(Pos(130, 300, 170, 340)));
    return x.text;
}

QString PadChildren() {
    Writer x;
    int n = 0;
    auto segment = [&x, &n](int l, int t, int r, int b) {
        x.Line(
            QString("    <DeviceKeyButton name=\"light_%1\" userdata=\"light_%1\" float=\"true\" "
                    "pos=\"%2\" %3/>")
                .arg(n++)
                .arg(Pos(l, t, r, b))
                .arg(kLedAttributes));
    };
    // Top left to right, right side down, bottom right to left, left side up.
    const int gap = 8;
    for (int i = 0; i < 5; ++i) {
        int len = (480 - 4 * gap) / 5;
        int l = 20 + i * (len + gap);
        segment(l, 6, l + len, 16);
    }
    for (int i = 0; i < 3; ++i) {
        int len = (300 - 2 * gap) / 3;
        int t = 20 + i * (len + gap);
        segment(504, t, 514, t + len);
    }
    for (int i = 0; i < 5; ++i) {
        int len = (480 - 4 * gap) / 5;
        int r = 500 - i * (len + gap);
        segment(r - len, 324, r, 334);
    }
    for (int i = 0; i < 2; ++i) {
        int len = (300 - gap) / 2;
        int b = 320 - i * (len + gap);
        segment(6, b - len, 16, b);
    }
    return x.text;
}

QString HeadsetChildren() {
    Writer x;
    int n = 0;
    for (double cx : {110.0, 350.0}) {
        for (int i = 0; i < 6; ++i) {
            const double a = (-90.0 + i * 60.0) * M_PI / 180.0;
            const int px = static_cast<int>(std::lround(cx + 48 * std::cos(a)));
            const int py = static_cast<int>(std::lround(232 + 68 * std::sin(a)));
            x.Line(QString("    <DeviceKeyButton name=\"light_%1\" userdata=\"light_%1\" "
                           "float=\"true\" pos=\"%2\" %3/>")
                       .arg(n++)
                       .arg(Pos(px - 9, py - 9, px + 9, py + 9))
                       .arg(kDotAttributes));
        }
    }
    x.Line(QString("    <DeviceKeyButton name=\"light_12\" userdata=\"light_12\" float=\"true\" "
                   "pos=\"%1\" normalimage=\"file='device/logo_off.png'\" "
                   "lightimage=\"file='device/logo_glow.png'\"/>")
               .arg(Pos(210, 58, 250, 98)));
    return x.text;
}

QImage Logo(bool glow) {
    QImage image = NewImage(40, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath z;
    z.moveTo(10, 11);
    z.lineTo(30, 11);
    z.lineTo(16, 27);
    z.lineTo(30, 27);
    QPen pen(glow ? QColor(255, 255, 255) : QColor(0x4a, 0x4f, 0x58), glow ? 4 : 3);
    pen.setJoinStyle(Qt::MiterJoin);
    if (glow) {
        p.setPen(QPen(QColor(255, 255, 255, 90), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(z);
    }
    p.setPen(pen);
    p.drawPath(z);
    return image;
}

}  // namespace

bool GenerateSkin(const std::string& skinFolder) {
    namespace fs = std::filesystem;
    const fs::path skin(skinFolder);
    const fs::path images = skin / "device";
    const fs::path layouts = skin / "XML" / "DeviceXml";
    QColor hot = kAccent;
    bool ok = true;
    ok = Save(KeyCap(kKeyFace, kKeyFaceLow, nullptr), images / "key_normal.png") && ok;
    ok = Save(KeyCap(QColor(0x4b, 0x50, 0x5a), kKeyFace, &hot), images / "key_hot.png") && ok;
    ok = Save(KeyCap(kKeyFaceLow, kKeySkirt, &hot), images / "key_pushed.png") && ok;
    for (const KeyPlace& k : KeyboardPlaces()) {
        const int w = static_cast<int>(std::lround(k.w * kPitch)) - kKeyGap;
        const int h = static_cast<int>(std::lround(k.h * kPitch)) - kKeyGap;
        const std::filesystem::path file = skin / KeyLightFile(w, h).toStdString();
        if (!std::filesystem::exists(file)) {
            ok = Save(KeyLight(w, h), file) && ok;
        }
    }
    ok = Save(KeyMark(), images / "key_mark.png") && ok;
    ok = Save(KeyboardCase(), images / "keyboard_case.png") && ok;
    ok = Save(Pill(false, 30, 30), images / "led_slot.png") && ok;
    ok = Save(Pill(true, 30, 30), images / "led_glow.png") && ok;
    ok = Save(Dot(false, 18), images / "led_dot_off.png") && ok;
    ok = Save(Dot(true, 18), images / "led_dot.png") && ok;
    ok = Save(Logo(false), images / "logo_off.png") && ok;
    ok = Save(Logo(true), images / "logo_glow.png") && ok;
    ok = Save(HotOverlay(), images / "hot.png") && ok;
    ok = Save(KeyCap(QColor(0x55, 0x5a, 0x64), kKeyFaceLow, nullptr), images / "mouse_btn.png") &&
         ok;
    ok = Save(MouseBody(), images / "mouse_body.png") && ok;
    ok = Save(PadBody(), images / "mousepad_body.png") && ok;
    ok = Save(HeadsetBody(), images / "headset_body.png") && ok;

    const int kbWidth = static_cast<int>(kKeyboardUnitsWide * kPitch) + 2 * kMargin - kKeyGap;
    const int kbHeight = static_cast<int>(kKeyboardUnitsHigh * kPitch) + 2 * kMargin - kKeyGap;
    ok =
        WriteLayout(layouts / "keyboarddevice.xml",
                    Page("VexmoorKeyboardDevice", "keyboard_device_page",
                         "keyboard_device_key_light", kbWidth, kbHeight,
                         "file='device/keyboard_case.png' corner='20,20,20,20'", KeyboardKeys())) &&
        ok;
    ok = WriteLayout(layouts / "mousedevice.xml",
                     Page("VexmoorMouseDevice", "mouse_device_page", "mouse_device_key_light", 300,
                          420, "file='device/mouse_body.png'", MouseChildren())) &&
         ok;
    ok = WriteLayout(
             layouts / "mousepaddevice.xml",
             Page("VexmoorMousePadDevice", "mousepad_device_page", "mousepad_device_key_light", 520,
                  340, "file='device/mousepad_body.png'", PadChildren())) &&
         ok;
    ok = WriteLayout(layouts / "vo6533device.xml",
                     Page("VexmoorVO6533Device", "vo6533_device_page", "vo6533_device_key_light",
                          460, 380, "file='device/headset_body.png'", HeadsetChildren())) &&
         ok;
    return ok;
}

}  // namespace devicepics
