// Draws the common images of the skin with QPainter: buttons, tabs, radio and
// check marks, combo and edit frames, scroll bar and slider parts, window
// buttons and the program icon, all in the program's dark style with one
// cyan accent. Run by hand after changing a colour or a shape:
//   zentor-skingen <repository>/skin
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

const QColor kBackground(0x15, 0x17, 0x1c);
const QColor kPanel(0x1e, 0x21, 0x28);
const QColor kRaised(0x2a, 0x2e, 0x37);
const QColor kRaisedHot(0x34, 0x39, 0x44);
const QColor kFrame(0x2f, 0x34, 0x3d);
const QColor kFrameHot(0x4a, 0x50, 0x5a);
const QColor kAccent(0x18, 0xc8, 0xff);
const QColor kAccentHot(0x4d, 0xd6, 0xff);
const QColor kAccentPushed(0x10, 0xa0, 0xd0);
const QColor kText(0xe8, 0xe8, 0xe8);
const QColor kTextDim(0x9a, 0xa0, 0xa8);
const QColor kClose(0xe0, 0x3c, 0x3c);

QString g_root;
int g_written = 0;

void Save(const QString& name, int w, int h, const std::function<void(QPainter&)>& draw) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    QString path = g_root + "/" + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return;
    }
    ++g_written;
}

void RoundBox(QPainter& p, const QRectF& r, double radius, const QColor& fill,
              const QColor& frame = QColor()) {
    p.setPen(frame.isValid() ? QPen(frame, 1) : Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void Chevron(QPainter& p, double cx, double cy, const QColor& color) {
    p.setPen(QPen(color, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(cx - 4, cy - 2);
    path.lineTo(cx, cy + 2);
    path.lineTo(cx + 4, cy - 2);
    p.drawPath(path);
}

void Buttons() {
    struct State {
        const char* name;
        QColor fill;
        QColor frame;
    };
    const State plain[] = {{"normal", kRaised, kFrame},
                           {"hot", kRaisedHot, kFrameHot},
                           {"pushed", kPanel, kAccent},
                           {"disabled", kPanel, kPanel}};
    for (const State& s : plain) {
        Save(QString("common/btn_%1.png").arg(s.name), 48, 32,
             [&](QPainter& p) { RoundBox(p, QRectF(0, 0, 48, 32), 6, s.fill, s.frame); });
    }
    const State accent[] = {{"normal", kAccent, kAccent},
                            {"hot", kAccentHot, kAccentHot},
                            {"pushed", kAccentPushed, kAccentPushed}};
    for (const State& s : accent) {
        Save(QString("common/btn_accent_%1.png").arg(s.name), 48, 32,
             [&](QPainter& p) { RoundBox(p, QRectF(0, 0, 48, 32), 6, s.fill, s.frame); });
    }
}

void Tabs() {
    Save("common/tab_hot.png", 48, 36,
         [](QPainter& p) { RoundBox(p, QRectF(0, 0, 48, 36), 6, QColor(255, 255, 255, 14)); });
    Save("common/tab_selected.png", 48, 36, [](QPainter& p) {
        RoundBox(p, QRectF(0, 0, 48, 36), 6, QColor(0x18, 0xc8, 0xff, 28));
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(12, 33, 24, 3), 1.5, 1.5);
    });
}

void Marks() {
    auto radio = [](QPainter& p, const QColor& ring, bool dot) {
        p.setPen(QPen(ring, 1.6));
        p.setBrush(kPanel);
        p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
        if (dot) {
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            p.drawEllipse(QRectF(5, 5, 8, 8));
        }
    };
    Save("common/radio_normal.png", 18, 18, [&](QPainter& p) { radio(p, kFrameHot, false); });
    Save("common/radio_hot.png", 18, 18, [&](QPainter& p) { radio(p, kTextDim, false); });
    Save("common/radio_selected.png", 18, 18, [&](QPainter& p) { radio(p, kAccent, true); });

    auto check = [](QPainter& p, const QColor& frame, bool ticked) {
        if (ticked) {
            RoundBox(p, QRectF(1, 1, 16, 16), 4, kAccent);
            p.setPen(QPen(kBackground, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPainterPath tick;
            tick.moveTo(5, 9.5);
            tick.lineTo(8, 12.5);
            tick.lineTo(13.5, 6);
            p.setBrush(Qt::NoBrush);
            p.drawPath(tick);
        } else {
            p.setPen(QPen(frame, 1.6));
            p.setBrush(kPanel);
            p.drawRoundedRect(QRectF(1.5, 1.5, 15, 15), 4, 4);
        }
    };
    Save("common/check_normal.png", 18, 18, [&](QPainter& p) { check(p, kFrameHot, false); });
    Save("common/check_hot.png", 18, 18, [&](QPainter& p) { check(p, kTextDim, false); });
    Save("common/check_checked.png", 18, 18, [&](QPainter& p) { check(p, kAccent, true); });
}

void Fields() {
    // The chevron sits in the right corner part, so it keeps its size.
    auto combo = [](QPainter& p, const QColor& frame, const QColor& arrow) {
        RoundBox(p, QRectF(0, 0, 64, 30), 6, kPanel, frame);
        Chevron(p, 64 - 15, 15, arrow);
    };
    Save("common/combo_normal.png", 64, 30, [&](QPainter& p) { combo(p, kFrame, kTextDim); });
    Save("common/combo_hot.png", 64, 30, [&](QPainter& p) { combo(p, kFrameHot, kText); });
    Save("common/combo_pushed.png", 64, 30, [&](QPainter& p) { combo(p, kAccent, kAccent); });

    Save("common/edit_normal.png", 32, 30, [](QPainter& p) {
        RoundBox(p, QRectF(0, 0, 32, 30), 6, QColor(0x10, 0x12, 0x16), kFrame);
    });
    Save("common/edit_hot.png", 32, 30, [](QPainter& p) {
        RoundBox(p, QRectF(0, 0, 32, 30), 6, QColor(0x10, 0x12, 0x16), kFrameHot);
    });
    Save("common/edit_focused.png", 32, 30, [](QPainter& p) {
        RoundBox(p, QRectF(0, 0, 32, 30), 6, QColor(0x10, 0x12, 0x16), kAccent);
    });
    Save("common/panel.png", 24, 24,
         [](QPainter& p) { RoundBox(p, QRectF(0, 0, 24, 24), 6, kPanel); });
}

void Bars() {
    Save("common/scroll_thumb.png", 8, 24,
         [](QPainter& p) { RoundBox(p, QRectF(1, 0, 6, 24), 3, QColor(0x3a, 0x3f, 0x48)); });
    Save("common/scroll_thumb_hot.png", 8, 24,
         [](QPainter& p) { RoundBox(p, QRectF(1, 0, 6, 24), 3, kAccent); });
    Save("common/progress_bk.png", 16, 8,
         [](QPainter& p) { RoundBox(p, QRectF(0, 0, 16, 8), 4, kRaised); });
    Save("common/progress_fore.png", 16, 8,
         [](QPainter& p) { RoundBox(p, QRectF(0, 0, 16, 8), 4, kAccent); });
    auto thumb = [](QPainter& p, const QColor& ring) {
        p.setPen(Qt::NoPen);
        p.setBrush(ring);
        p.drawEllipse(QRectF(0, 0, 16, 16));
        p.setBrush(kBackground);
        p.drawEllipse(QRectF(4, 4, 8, 8));
    };
    Save("Control/SliderBar1_Thumb.png", 16, 16, [&](QPainter& p) { thumb(p, kAccent); });
    Save("Control/SliderBar2_Thumb.png", 16, 16, [&](QPainter& p) { thumb(p, kTextDim); });
    Save("common/slider_thumb_hot.png", 16, 16, [&](QPainter& p) { thumb(p, kAccentHot); });
}

void WindowButtons() {
    struct State {
        const char* name;
        QColor fill;
        QColor mark;
    };
    auto draw = [](const QString& kind, const State& s, bool isClose) {
        Save(QString("common/%1_%2.png").arg(kind, s.name), 32, 28, [&](QPainter& p) {
            if (s.fill.isValid()) {
                RoundBox(p, QRectF(0, 0, 32, 28), 6, s.fill);
            }
            p.setPen(QPen(s.mark, 1.5, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            if (isClose) {
                p.drawLine(QPointF(11, 9), QPointF(21, 19));
                p.drawLine(QPointF(21, 9), QPointF(11, 19));
            } else if (kind == "min") {
                p.drawLine(QPointF(11, 14), QPointF(21, 14));
            } else if (kind == "max") {
                p.drawRoundedRect(QRectF(11, 9, 10, 10), 1.5, 1.5);
            } else if (kind == "restore") {
                p.drawRoundedRect(QRectF(11, 11, 8, 8), 1.5, 1.5);
                p.drawLine(QPointF(13, 9), QPointF(21, 9));
                p.drawLine(QPointF(21, 9), QPointF(21, 17));
            } else if (kind == "set") {
                p.drawEllipse(QPointF(16, 14), 3.0, 3.0);
                p.drawEllipse(QPointF(16, 14), 6.5, 6.5);
            }
        });
    };
    for (const char* kind : {"min", "max", "restore", "set"}) {
        draw(kind, {"normal", QColor(), kTextDim}, false);
        draw(kind, {"hot", kRaised, kText}, false);
        draw(kind, {"pushed", kPanel, kAccent}, false);
    }
    draw("close", {"normal", QColor(), kTextDim}, true);
    draw("close", {"hot", kClose, kText}, true);
    draw("close", {"pushed", kClose.darker(130), kText}, true);
}

void Pictures() {
    // Shown behind a colour preview when the seven-colour cycle is on.
    Save("common/base1.png", 48, 48, [](QPainter& p) {
        QConicalGradient wheel(24, 24, 90);
        const QColor colours[] = {Qt::red,  QColor(255, 128, 0), Qt::yellow, Qt::green, Qt::cyan,
                                  Qt::blue, QColor(160, 0, 255)};
        for (int i = 0; i < 7; ++i) {
            wheel.setColorAt(i / 7.0, colours[i]);
        }
        wheel.setColorAt(1.0, colours[0]);
        p.setPen(Qt::NoPen);
        p.setBrush(wheel);
        p.drawRoundedRect(QRectF(0, 0, 48, 48), 6, 6);
    });
    Save("common/app_icon.png", 64, 64, [](QPainter& p) {
        RoundBox(p, QRectF(0, 0, 64, 64), 14, kPanel);
        p.setPen(QPen(kAccent, 7, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        QPainterPath z;
        z.moveTo(18, 18);
        z.lineTo(46, 18);
        z.lineTo(18, 46);
        z.lineTo(46, 46);
        p.setBrush(Qt::NoBrush);
        p.drawPath(z);
    });
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zentor-skingen <skin folder>\n");
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    Buttons();
    Tabs();
    Marks();
    Fields();
    Bars();
    WindowButtons();
    Pictures();
    std::printf("%d images written to %s\n", g_written, qPrintable(g_root));
    return 0;
}
