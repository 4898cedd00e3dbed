#include "platform/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace gv {

QColor colourFromBGR(qint32 bgr)
{
    const quint32 v = static_cast<quint32>(bgr);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(false);
    setMouseTracking(true);
}

static double sane(double v, double fallback)
{
    return (std::isfinite(v) && v != 0.0) ? v : fallback;
}

void PictureBox::setScale(double left, double top, double width, double height)
{
    left_ = std::isfinite(left) ? left : 0.0;
    top_ = std::isfinite(top) ? top : 0.0;
    width_ = sane(width, 1.0);
    height_ = sane(height, 1.0);
    update();
}

void PictureBox::setBackColour(const QColor& c)
{
    back_ = c;
    cls();
}

void PictureBox::cls()
{
    shapes_.clear();
    update();
}

static bool finite4(double a, double b, double c, double d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

void PictureBox::line(double x1, double y1, double x2, double y2, const QColor& colour, int widthPx)
{
    if (!finite4(x1, y1, x2, y2))
        return;
    shapes_.push_back({Kind::Line, x1, y1, x2, y2, colour, std::max(1, widthPx), {}});
    update();
}

void PictureBox::box(double x1, double y1, double x2, double y2, const QColor& colour)
{
    if (!finite4(x1, y1, x2, y2))
        return;
    shapes_.push_back({Kind::Box, x1, y1, x2, y2, colour, 1, {}});
    update();
}

void PictureBox::text(double x, double y, const QString& s, const QColor& colour)
{
    if (!finite4(x, y, 0, 0))
        return;
    shapes_.push_back({Kind::Text, x, y, x, y, colour, 1, s});
    update();
}

QPointF PictureBox::toPixelFor(double x, double y, const QSize& size) const
{
    return QPointF((x - left_) / width_ * size.width(), (y - top_) / height_ * size.height());
}

QPointF PictureBox::toPixel(double x, double y) const { return toPixelFor(x, y, size()); }

QPointF PictureBox::toUser(const QPointF& pixel) const
{
    const double w = std::max(1, width());
    const double h = std::max(1, height());
    return QPointF(left_ + pixel.x() / w * width_, top_ + pixel.y() / h * height_);
}

void PictureBox::paintInto(QPainter& p, const QSize& size) const
{
    p.fillRect(QRect(QPoint(0, 0), size), back_);
    p.setClipRect(QRect(QPoint(0, 0), size));
    for (const Shape& s : shapes_) {
        const QPointF a = toPixelFor(s.x1, s.y1, size);
        const QPointF b = toPixelFor(s.x2, s.y2, size);
        switch (s.kind) {
        case Kind::Line:
            p.setPen(QPen(s.colour, s.width));
            p.drawLine(a, b);
            break;
        case Kind::Box:
            p.fillRect(QRectF(a, b).normalized(), s.colour);
            break;
        case Kind::Text: {
            p.setPen(s.colour);
            const QFontMetrics fm = p.fontMetrics();
            p.drawText(QPointF(a.x(), a.y() + fm.ascent()), s.text);
            break;
        }
        }
    }
}

QImage PictureBox::render() const
{
    QImage img(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter p(&img);
    paintInto(p, img.size());
    return img;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintInto(p, size());
}

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    const QPointF u = toUser(e->position());
    emit mousePressed(u.x(), u.y(), e->button());
}

void PictureBox::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF u = toUser(e->position());
    emit mouseMoved(u.x(), u.y(), e->buttons());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e)
{
    const QPointF u = toUser(e->position());
    emit mouseReleased(u.x(), u.y(), e->button());
}

} // namespace gv
