#pragma once
// A label that acts as a button: many of the program's dialog buttons are
// clickable labels ("X" cancels a picker, "** ABORT **  NO changes Saved"
// closes a channel dialog without writing).

#include <QLabel>
#include <QMouseEvent>

namespace gv {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = QString(), QWidget* parent = nullptr)
        : QLabel(text, parent)
    {
        setCursor(Qt::PointingHandCursor);
    }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            emit clicked();
        QLabel::mouseReleaseEvent(e);
    }
};

} // namespace gv
