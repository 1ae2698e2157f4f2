#include "tools/pictures/drawing_kit.h"

#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace tarvek::art {
namespace {

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor lit(const Finish& f, double amount) {
    return mix(f.base, Qt::white, std::clamp(amount * f.shine, 0.0, 1.0));
}
QColor shaded(const Finish& f, double amount) {
    return mix(f.base, QColor(20, 24, 30), std::clamp(amount, 0.0, 1.0));
}

}  // namespace

QLinearGradient roundShading(QPointF from, QPointF to, const Finish& finish) {
    QLinearGradient g(from, to);
    g.setColorAt(0.0, shaded(finish, 0.35));
    g.setColorAt(0.18, lit(finish, 0.45));
    g.setColorAt(0.32, lit(finish, 0.8));
    g.setColorAt(0.5, finish.base);
    g.setColorAt(0.85, shaded(finish, 0.25));
    g.setColorAt(1.0, shaded(finish, 0.45));
    return g;
}

void fitInto(QPainter& p, const QRectF& extent, const QRectF& area, double tilt) {
    QTransform turn;
    turn.rotate(tilt);
    const QRectF turned = turn.mapRect(extent.translated(-extent.center()));
    const double scale = std::min(area.width() / turned.width(), area.height() / turned.height());
    p.translate(area.center().x(), area.bottom() - turned.bottom() * scale);
    p.scale(scale, scale);
    p.rotate(tilt);
    p.translate(-extent.center());
}

QPen outlinePen(double width) {
    QPen pen(colour::kOutline, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QFont font(double pixels, bool bold) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, qRound(pixels)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);  // the same shapes at every scale
    return f;
}

void paper(QPainter& p, bool wash) {
    p.fillRect(QRectF(0, 0, kDesignWidth, kDesignHeight), Qt::white);
    if (!wash) return;
    QLinearGradient light(0, 0, 0, kCaptionTop);
    light.setColorAt(0, QColor(255, 255, 255));
    light.setColorAt(1, QColor(238, 242, 247));
    p.fillRect(QRectF(0, 0, kDesignWidth, kCaptionTop), light);
}

void floorShadow(QPainter& p, QPointF centre, double width) {
    p.save();
    QRadialGradient shadow(centre, width / 2);
    shadow.setColorAt(0, QColor(40, 48, 60, 70));
    shadow.setColorAt(1, QColor(40, 48, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.translate(centre);
    p.scale(1, 0.16);
    p.drawEllipse(QPointF(0, 0), width / 2, width / 2);
    p.restore();
}

void caption(QPainter& p, const QString& title, const QString& subtitle) {
    p.save();
    p.fillRect(QRectF(0, kCaptionTop, kDesignWidth, kDesignHeight - kCaptionTop), Qt::white);
    p.setPen(QPen(QColor(206, 212, 222), 2));
    p.drawLine(QPointF(24, kCaptionTop + 1), QPointF(kDesignWidth - 24, kCaptionTop + 1));
    p.fillRect(QRectF(24, kCaptionTop + 14, 8, 60), colour::kTarvekBlue);

    const double textLeft = 44, textWidth = kDesignWidth - textLeft - 24;
    // A long name gets a smaller type before it loses its end.
    QFont titleFont = font(31, true);
    for (double pixels = 31; pixels > 24 && QFontMetricsF(titleFont).horizontalAdvance(title) > textWidth;
         pixels -= 1)
        titleFont = font(pixels - 1, true);
    p.setFont(titleFont);
    p.setPen(colour::kCaptionText);
    p.drawText(QPointF(textLeft, kCaptionTop + 44),
               QFontMetricsF(titleFont).elidedText(title, Qt::ElideRight, textWidth));
    QFont subtitleFont = font(18);
    p.setFont(subtitleFont);
    p.setPen(colour::kSubtleText);
    p.drawText(QPointF(textLeft, kCaptionTop + 72),
               QFontMetricsF(subtitleFont).elidedText(subtitle, Qt::ElideRight, textWidth));
    p.restore();
}

void cylinder(QPainter& p, const QRectF& r, const Finish& finish) {
    const double cap = std::min(r.width() * 0.2, r.height() * 0.5);
    QPainterPath side;
    side.moveTo(r.left(), r.top() + cap / 2);
    side.lineTo(r.left(), r.bottom() - cap / 2);
    side.arcTo(QRectF(r.left(), r.bottom() - cap, r.width(), cap), 180, 180);
    side.lineTo(r.right(), r.top() + cap / 2);
    side.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(roundShading(QPointF(r.left(), 0), QPointF(r.right(), 0), finish));
    p.drawPath(side);

    QLinearGradient top(r.left(), r.top(), r.right(), r.top() + cap);
    top.setColorAt(0, lit(finish, 0.85));
    top.setColorAt(1, lit(finish, 0.2));
    p.setBrush(top);
    p.drawEllipse(QRectF(r.left(), r.top(), r.width(), cap));
}

namespace {

// A tube is shaded across its length; its open end is an ellipse with a dark bore.
void shadedTube(QPainter& p, const QRectF& r, QPointF from, QPointF to, const Finish& finish) {
    p.setPen(outlinePen());
    p.setBrush(roundShading(from, to, finish));
    p.drawRect(r);
}

void openEnd(QPainter& p, QPointF centre, double radiusX, double radiusY, const Finish& finish) {
    p.setPen(outlinePen());
    p.setBrush(lit(finish, 0.35));
    p.drawEllipse(centre, radiusX, radiusY);
    p.setBrush(QColor(40, 44, 52));
    p.drawEllipse(centre, radiusX * 0.6, radiusY * 0.6);
}

}  // namespace

void tube(QPainter& p, const QRectF& r, const Finish& finish) {
    shadedTube(p, r, QPointF(0, r.top()), QPointF(0, r.bottom()), finish);
}

void tubeEnd(QPainter& p, QPointF centre, double diameter, double depth, const Finish& finish) {
    openEnd(p, centre, depth / 2, diameter / 2, finish);
}

void tubeVertical(QPainter& p, const QRectF& r, const Finish& finish) {
    shadedTube(p, r, QPointF(r.left(), 0), QPointF(r.right(), 0), finish);
}

void tubeEndVertical(QPainter& p, QPointF centre, double diameter, double depth, const Finish& finish) {
    openEnd(p, centre, diameter / 2, depth / 2, finish);
}

void hexNutVertical(QPainter& p, const QRectF& r, const Finish& finish) {
    const double cap = r.width() * 0.16;
    const QRectF body(r.left(), r.top() + cap / 2, r.width(), r.height() - cap / 2);
    const double w = r.width();
    const QColor faces[] = {shaded(finish, 0.3), lit(finish, 0.55), shaded(finish, 0.12)};
    const double edges[] = {0, 0.25, 0.75, 1};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(faces[i]);
        p.drawRect(QRectF(r.left() + edges[i] * w, body.top(), (edges[i + 1] - edges[i]) * w, body.height()));
    }
    p.setPen(QPen(shaded(finish, 0.5), 1));
    for (const double edge : {0.25, 0.75})
        p.drawLine(QPointF(r.left() + edge * w, body.top()), QPointF(r.left() + edge * w, body.bottom()));
    p.setPen(outlinePen(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(body);
    const QPointF top[] = {{r.left(), r.top() + cap / 2},        {r.left() + 0.25 * w, r.top()},
                           {r.left() + 0.75 * w, r.top()},       {r.right(), r.top() + cap / 2},
                           {r.left() + 0.75 * w, r.top() + cap}, {r.left() + 0.25 * w, r.top() + cap}};
    p.setBrush(lit(finish, 0.75));
    p.drawPolygon(top, 6);
}

void hexNutHorizontal(QPainter& p, const QRectF& r, const Finish& finish) {
    const double h = r.height();
    const QColor faces[] = {lit(finish, 0.55), lit(finish, 0.2), shaded(finish, 0.28)};
    const double edges[] = {0, 0.25, 0.75, 1};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(faces[i]);
        p.drawRect(QRectF(r.left(), r.top() + edges[i] * h, r.width(), (edges[i + 1] - edges[i]) * h));
    }
    p.setPen(QPen(shaded(finish, 0.5), 1));
    for (const double edge : {0.25, 0.75})
        p.drawLine(QPointF(r.left(), r.top() + edge * h), QPointF(r.right(), r.top() + edge * h));
    // Chamfers where the flats meet the ends.
    p.setPen(QPen(shaded(finish, 0.4), 1.2));
    p.setBrush(Qt::NoBrush);
    const double chamfer = std::min(r.width() * 0.14, 8.0);
    for (const double x : {r.left() + chamfer, r.right() - chamfer}) {
        QPainterPath curve;
        curve.moveTo(x, r.top() + 0.25 * h);
        curve.quadTo(x + (x < r.center().x() ? -chamfer : chamfer), r.center().y(), x, r.top() + 0.75 * h);
        p.drawPath(curve);
    }
    p.setPen(outlinePen(1.8));
    p.drawRoundedRect(r, chamfer * 0.6, chamfer * 0.6);
}

void threadsHorizontal(QPainter& p, const QRectF& r) {
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(QColor(90, 96, 106), 1.3));
    for (double x = r.left() - r.height(); x < r.right() + r.height(); x += 5)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height() * 0.3, r.top()));
    p.restore();
}

void threadsVertical(QPainter& p, const QRectF& r) {
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(QColor(90, 96, 106), 1.3));
    for (double y = r.top() - r.width(); y < r.bottom() + r.width(); y += 5)
        p.drawLine(QPointF(r.left(), y + r.width() * 0.3), QPointF(r.right(), y));
    p.restore();
}

// A male face-seal end pointing right from x, on the axis y.
void maleFaceSealEnd(QPainter& p, double x, double y, double diameter, double length) {
    const QRectF thread(x, y - diameter / 2, length, diameter);
    tube(p, thread, kStainless);
    threadsHorizontal(p, thread.adjusted(2, 2, -2, -2));
    const double nose = diameter * 0.7;
    tube(p, QRectF(x + length, y - nose / 2, diameter * 0.3, nose), kStainless);
    tubeEnd(p, QPointF(x + length + diameter * 0.3, y), nose, nose * 0.35, kStainless);
}

void block(QPainter& p, const QRectF& front, double depth, const Finish& finish) {
    p.setPen(outlinePen());
    QLinearGradient face(0, front.top(), 0, front.bottom());
    face.setColorAt(0, lit(finish, 0.55));
    face.setColorAt(0.5, finish.base);
    face.setColorAt(1, shaded(finish, 0.3));
    p.setBrush(face);
    p.drawRect(front);
    const QPointF top[] = {{front.left(), front.top()},
                           {front.left() + depth * 0.7, front.top() - depth},
                           {front.right() - depth * 0.7, front.top() - depth},
                           {front.right(), front.top()}};
    p.setBrush(lit(finish, 0.8));
    p.drawPolygon(top, 4);
}

void knurl(QPainter& p, const QRectF& cylinderBox, int ridges) {
    const QRectF& r = cylinderBox;
    const double cap = std::min(r.width() * 0.2, r.height() * 0.5);
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 70), 1.4));
    for (int i = 1; i < ridges; ++i) {
        const double angle = -M_PI / 2 + M_PI * i / ridges;
        const double x = r.center().x() + r.width() / 2 * std::sin(angle);
        const double bulge = cap / 2 * std::cos(angle);  // the ellipse's depth at this ridge
        p.drawLine(QPointF(x, r.top() + cap / 2 + bulge + 2), QPointF(x, r.bottom() - cap / 2 + bulge - 2));
    }
    p.restore();
}

void flowArrow(QPainter& p, QPointF from, QPointF to) {
    p.save();
    const QColor engraved(70, 78, 90);
    p.setPen(QPen(engraved, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QLineF axis(to, from);
    QLineF wing = axis;
    wing.setLength(12);
    p.setBrush(engraved);
    QLineF left = wing, right = wing;
    left.setAngle(axis.angle() + 28);
    right.setAngle(axis.angle() - 28);
    const QPointF head[] = {to, left.p2(), right.p2()};
    p.setPen(Qt::NoPen);
    p.drawPolygon(head, 3);
    p.restore();
}

void marking(QPainter& p, const QRectF& r, const QString& text, double pixels, QColor colour) {
    p.save();
    p.setFont(font(pixels, true));
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}

}  // namespace tarvek::art
