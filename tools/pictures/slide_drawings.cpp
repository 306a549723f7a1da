// The nine slides the start screen shows in turn: their frame and captions, and the science
// slides (an atom and a molecule); the other scenes are drawn in the *_slide_drawings files.
#include "tools/pictures/drawing_kit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace orvan::pictures::pieces {

using namespace kit;

namespace {

// A slide: the scene above, clipped to its area, and the caption in a navy band below.
QImage Slide(const QString& caption, const std::function<void(QPainter&)>& scene) {
    QImage image = Canvas(kSlideWidth, kSlideHeight, Qt::white);
    QPainter painter(&image);
    Smooth(painter);
    painter.save();
    painter.setClipRect(QRectF(0, 0, kSlideWidth, kCaptionTop));
    scene(painter);
    painter.restore();
    QLinearGradient band(0, kCaptionTop, 0, kSlideHeight);
    band.setColorAt(0, QColor(40, 72, 140));
    band.setColorAt(1, QColor(18, 38, 84));
    painter.fillRect(QRectF(0, kCaptionTop, kSlideWidth, kSlideHeight - kCaptionTop), band);
    painter.fillRect(QRectF(0, kCaptionTop - 2, kSlideWidth, 2), kOrange);
    const QFont font = Fit(Sans(17, true), caption, kSlideWidth - 24);
    Text(painter, QRectF(0, kCaptionTop, kSlideWidth, kSlideHeight - kCaptionTop), Qt::AlignCenter,
         caption, font, Qt::white);
    return image;
}

}  // namespace

void AtomScene(QPainter& painter) {
    const QPointF c(124.5, 142);
    QRadialGradient space(c, 190);
    space.setColorAt(0, QColor(40, 60, 120));
    space.setColorAt(1, QColor(6, 12, 36));
    painter.fillRect(QRectF(0, 0, kSlideWidth, kCaptionTop), space);
    // A few faint stars.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 90));
    const QPointF stars[] = {{12, 20},  {230, 16},  {30, 250}, {220, 262}, {200, 40},
                             {18, 140}, {238, 150}, {60, 30},  {180, 270}, {100, 272}};
    for (const QPointF& star : stars)
        painter.drawEllipse(star, 0.9, 0.9);

    const qreal shells[3] = {36, 68, 100};
    const int electrons[3] = {2, 8, 1};
    for (int n = 0; n < 3; ++n) {
        painter.setPen(QPen(QColor(140, 190, 255, 150), 1.3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(c, shells[n], shells[n]);
    }
    // The nucleus: eleven protons and twelve neutrons in a cluster.
    struct Ball {
        QPointF p;
        bool proton;
    };
    std::vector<Ball> balls;
    const qreal ring[3] = {0, 7.2, 13.2};
    const int count[3] = {1, 7, 15};
    int index = 0;
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; i < count[r]; ++i, ++index) {
            const qreal a = i * 2 * kPi / count[r] + r * 0.4;
            balls.push_back({Polar(c, ring[r], a), index % 2 == 0});
        }
    }
    std::reverse(balls.begin(), balls.end());  // the outer ring first, so the middle lies on top
    for (const Ball& ball : balls) {
        QRadialGradient shade(ball.p - QPointF(2, 2), 7);
        if (ball.proton) {
            shade.setColorAt(0, QColor(255, 170, 160));
            shade.setColorAt(1, QColor(180, 30, 30));
        } else {
            shade.setColorAt(0, QColor(235, 235, 240));
            shade.setColorAt(1, QColor(110, 115, 130));
        }
        painter.setPen(QPen(QColor(0, 0, 0, 90), 0.6));
        painter.setBrush(shade);
        painter.drawEllipse(ball.p, 4.8, 4.8);
    }
    // Electrons with a glow.
    for (int n = 0; n < 3; ++n) {
        for (int i = 0; i < electrons[n]; ++i) {
            const qreal a =
                n == 2 ? -kPi / 4 - 0.4 : -kPi / 2 + 0.5 * n + i * 2 * kPi / electrons[n];
            const QPointF p = Polar(c, shells[n], a);
            QRadialGradient glow(p, 10);
            glow.setColorAt(0, QColor(120, 220, 255, 150));
            glow.setColorAt(1, QColor(120, 220, 255, 0));
            painter.setPen(Qt::NoPen);
            painter.setBrush(glow);
            painter.drawEllipse(p, 10, 10);
            QRadialGradient ball(p - QPointF(1.2, 1.2), 5);
            ball.setColorAt(0, Qt::white);
            ball.setColorAt(1, QColor(40, 150, 255));
            painter.setBrush(ball);
            painter.drawEllipse(p, 4, 4);
        }
    }
    // The shells' numbers.
    const QFont label = Sans(10, true, true);
    for (int n = 0; n < 3; ++n) {
        const QPointF p = Polar(c, shells[n] - 1, kPi * 0.78);
        Text(painter, QRectF(p.x() - 24, p.y() - 2, 24, 13), Qt::AlignRight | Qt::AlignTop,
             QStringLiteral("n=%1").arg(n + 1), label, QColor(170, 210, 255));
    }
    // A photon leaving the outer shell.
    const QPointF start = Polar(c, shells[2] + 7, -kPi / 4);
    QPainterPath wave;
    const QPointF dir(std::cos(-kPi / 4), std::sin(-kPi / 4));
    const QPointF normal(-dir.y(), dir.x());
    for (int i = 0; i <= 40; ++i) {
        const qreal t = i / 40.0 * 26;
        const QPointF p = start + dir * t + normal * 3.5 * std::sin(t / 26 * 4 * kPi);
        if (i == 0)
            wave.moveTo(p);
        else
            wave.lineTo(p);
    }
    painter.setPen(QPen(QColor(255, 220, 80), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
    const QPointF end = start + dir * 26;
    Arrow(painter, end - dir * 2, end + dir * 8, QColor(255, 220, 80), 1.6, 6);
    Text(painter, QRectF(end.x() + 2, end.y() + 4, 30, 16), Qt::AlignCenter, QStringLiteral("hν"),
         Sans(12, true, true), QColor(255, 230, 120));
    Text(painter, QRectF(10, 8, 120, 18), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Na  (2, 8, 1)"), Sans(13, true), QColor(220, 235, 255));
}

void MoleculeScene(QPainter& painter) {
    QRadialGradient back(QPointF(124, 120), 200);
    back.setColorAt(0, QColor(250, 252, 255));
    back.setColorAt(1, QColor(196, 212, 236));
    painter.fillRect(QRectF(0, 0, kSlideWidth, kCaptionTop), back);
    struct Atom {
        double x, y, z;
        bool carbon;
    };
    std::vector<Atom> atoms;
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3 + 0.2;
        atoms.push_back({1.39 * std::cos(a), 1.39 * std::sin(a), 0, true});
    }
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3 + 0.2;
        atoms.push_back({2.47 * std::cos(a), 2.47 * std::sin(a), 0, false});
    }
    // Tilt the ring towards the viewer.
    const double tilt = 52 * kPi / 180, turn = -14 * kPi / 180;
    for (Atom& atom : atoms) {
        const double y = atom.y * std::cos(tilt) - atom.z * std::sin(tilt);
        const double z = atom.y * std::sin(tilt) + atom.z * std::cos(tilt);
        const double x = atom.x * std::cos(turn) - y * std::sin(turn);
        const double y2 = atom.x * std::sin(turn) + y * std::cos(turn);
        atom = {x, y2, z, atom.carbon};
    }
    const QPointF centre(124.5, 150);
    const double scale = 44;
    auto project = [&](const Atom& atom) {
        const double perspective = 1 / (1 - atom.z * 0.07);
        return std::pair{centre + QPointF(atom.x, atom.y) * scale * perspective, perspective};
    };
    struct Item {
        double z;
        std::function<void()> draw;
    };
    std::vector<Item> items;
    auto bond = [&](int i, int j, bool doubled) {
        const auto [p, sp] = project(atoms[i]);
        const auto [q, sq] = project(atoms[j]);
        const double z = (atoms[i].z + atoms[j].z) / 2;
        items.push_back(
            {z - 0.01, [&painter, p = p, q = q, doubled, sp = sp, sq = sq] {
                 const QPointF d = q - p;
                 const double length = std::hypot(d.x(), d.y());
                 const QPointF n = QPointF(-d.y(), d.x()) / length;
                 const double width = 5.5 * (sp + sq) / 2;
                 auto stick = [&](QPointF offset, double w) {
                     painter.setPen(QPen(QColor(80, 84, 96), w + 1.6, Qt::SolidLine, Qt::FlatCap));
                     painter.drawLine(p + offset, q + offset);
                     painter.setPen(QPen(QColor(176, 180, 192), w, Qt::SolidLine, Qt::FlatCap));
                     painter.drawLine(p + offset, q + offset);
                     painter.setPen(
                         QPen(QColor(240, 242, 248), w * 0.3, Qt::SolidLine, Qt::FlatCap));
                     painter.drawLine(p + offset - n * w * 0.2, q + offset - n * w * 0.2);
                 };
                 if (doubled) {
                     stick(n * width * 0.55, width * 0.6);
                     stick(-n * width * 0.55, width * 0.6);
                 } else {
                     stick(QPointF(0, 0), width);
                 }
             }});
    };
    for (int i = 0; i < 6; ++i)
        bond(i, (i + 1) % 6, i % 2 == 0);
    for (int i = 0; i < 6; ++i)
        bond(i, i + 6, false);
    for (const Atom& atom : atoms) {
        const auto [p, s] = project(atom);
        const double r = (atom.carbon ? 15 : 10) * s;
        const bool carbon = atom.carbon;
        items.push_back({atom.z, [&painter, p = p, r, carbon] {
                             QRadialGradient shade(p - QPointF(r * 0.38, r * 0.42), r * 1.35);
                             if (carbon) {
                                 shade.setColorAt(0, QColor(170, 172, 180));
                                 shade.setColorAt(0.25, QColor(96, 98, 108));
                                 shade.setColorAt(1, QColor(22, 22, 28));
                             } else {
                                 shade.setColorAt(0, QColor(255, 255, 255));
                                 shade.setColorAt(0.5, QColor(232, 234, 240));
                                 shade.setColorAt(1, QColor(150, 156, 172));
                             }
                             painter.setPen(QPen(QColor(40, 40, 50, 140), 0.8));
                             painter.setBrush(shade);
                             painter.drawEllipse(p, r, r);
                         }});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.z < b.z; });
    for (const Item& item : items)
        item.draw();
    // A shadow on the floor would be heavy; a soft ellipse under the molecule is enough.
    Text(painter, QRectF(12, 8, 120, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("C₆H₆"),
         Sans(18, true), kNavy);
    Text(painter, QRectF(12, 30, 120, 16), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("βενζόλιο"), Sans(12, false, true), kTeal);
    // A legend.
    const QFont legend = Sans(10);
    auto key = [&](QPointF c, qreal r, bool carbon, const QString& text) {
        QRadialGradient shade(c - QPointF(r * 0.38, r * 0.42), r * 1.35);
        shade.setColorAt(0, carbon ? QColor(170, 172, 180) : Qt::white);
        shade.setColorAt(1, carbon ? QColor(22, 22, 28) : QColor(150, 156, 172));
        painter.setPen(QPen(QColor(40, 40, 50, 140), 0.8));
        painter.setBrush(shade);
        painter.drawEllipse(c, r, r);
        Text(painter, QRectF(c.x() + r + 4, c.y() - 7, 80, 14), Qt::AlignLeft | Qt::AlignVCenter,
             text, legend, QColor(30, 40, 70));
    };
    key(QPointF(22, 262), 6, true, QStringLiteral("άνθρακας"));
    key(QPointF(140, 262), 5, false, QStringLiteral("υδρογόνο"));
}

std::vector<ContentPicture> SlidePictures() {
    const std::pair<const char*, std::function<void(QPainter&)>> slides[] = {
        {"Μηχανολογία", GearTrainScene},
        {"Ηλεκτρολογία", CircuitScene},
        {"Φυσική", AtomScene},
        {"Πολιτικός Μηχανικός", BridgeScene},
        {"Ηλεκτρονική", OscilloscopeScene},
        {"Χημεία", MoleculeScene},
        {"Αεροναυπηγική", JetEngineScene},
        {"Πληροφορική", ChipScene},
        {"Ενέργεια", WindTurbineScene},
    };
    std::vector<ContentPicture> pictures;
    int number = 1;
    for (const auto& [caption, scene] : slides) {
        pictures.push_back({QStringLiteral("%1.jpg").arg(number++, 2, 10, QLatin1Char('0')),
                            Slide(QString::fromUtf8(caption), scene)});
    }
    return pictures;
}

}  // namespace orvan::pictures::pieces
