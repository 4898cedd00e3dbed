#pragma once
// A drawing surface with a user scale, in the way the program's plots draw:
// the left edge is x = ScaleLeft, the top edge y = ScaleTop, the box is
// ScaleWidth wide and ScaleHeight high in user units (y grows downward unless
// a negative height is set).  Everything drawn is kept as a list of shapes in
// user units and re-rendered on every expose and resize, so a plot survives
// covering, uncovering and resizing.  Degenerate scales (0 width or height, or
// non-finite values) are treated as 1 so no division by zero occurs.  What
// falls outside the box is clipped.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <vector>

namespace gv {

// Windows colour value 0x00BBGGRR to a QColor.
QColor colourFromBGR(qint32 bgr);

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // User scale.
    void setScale(double left, double top, double width, double height);
    void setScaleSize(double width, double height) { setScale(0, 0, width, height); }
    double scaleWidth() const { return width_; }
    double scaleHeight() const { return height_; }

    // Background colour; changing it clears what was drawn.
    void setBackColour(const QColor& c);
    QColor backColour() const { return back_; }

    // Clears the drawing.
    void cls();
    // A straight segment between two points in user units, pen width in pixels.
    void line(double x1, double y1, double x2, double y2, const QColor& colour, int widthPx = 1);
    // A filled rectangle between two corners in user units.
    void box(double x1, double y1, double x2, double y2, const QColor& colour);
    // Text whose top-left corner is at the user point.
    void text(double x, double y, const QString& s, const QColor& colour);

    // Conversions between user units and pixels of the current size.
    QPointF toPixel(double x, double y) const;
    QPointF toUser(const QPointF& pixel) const;

    int shapeCount() const { return static_cast<int>(shapes_.size()); }
    // The drawing as an image of the widget's current size (for tests and printing).
    QImage render() const;

signals:
    void mousePressed(double x, double y, Qt::MouseButton button);
    void mouseMoved(double x, double y, Qt::MouseButtons buttons);
    void mouseReleased(double x, double y, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    enum class Kind { Line, Box, Text };
    struct Shape {
        Kind kind;
        double x1, y1, x2, y2;
        QColor colour;
        int width;
        QString text;
    };
    void paintInto(QPainter& p, const QSize& size) const;
    QPointF toPixelFor(double x, double y, const QSize& size) const;

    double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
    QColor back_ = Qt::white;
    std::vector<Shape> shapes_;
};

} // namespace gv
