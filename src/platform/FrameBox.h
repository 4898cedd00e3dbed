#pragma once
// A frame: a container with a caption set into its top border, drawn in the
// frame's text colour on its own background.  Children are placed at fixed
// positions inside it; hiding the frame hides them, and each child keeps its
// own visibility while the frame is hidden.

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace gv {

class FrameBox : public QWidget {
    Q_OBJECT
public:
    explicit FrameBox(const QString& caption = QString(), QWidget* parent = nullptr)
        : QWidget(parent), caption_(caption)
    {
        setAutoFillBackground(true);
    }

    QString caption() const { return caption_; }
    void setCaption(const QString& c)
    {
        if (c == caption_)
            return;
        caption_ = c;
        update();
    }

    void setColours(const QColor& text, const QColor& back)
    {
        text_ = text;
        QPalette p = palette();
        p.setColor(QPalette::Window, back);
        p.setColor(QPalette::WindowText, text);
        setPalette(p);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFontMetrics fm(font());
        const int y = fm.height() / 2;
        const QRect box = rect().adjusted(1, y, -2, -2);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(box);
        p.setPen(QColor(255, 255, 255));
        p.drawRect(box.translated(1, 1));
        if (caption_.isEmpty())
            return;
        const int w = fm.horizontalAdvance(caption_) + 4;
        const QRect textRect(6, 0, qMin(w, width() - 8), fm.height());
        p.fillRect(textRect, palette().color(QPalette::Window));
        p.setPen(text_);
        p.drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption_);
    }

private:
    QString caption_;
    QColor text_ = Qt::black;
};

} // namespace gv
