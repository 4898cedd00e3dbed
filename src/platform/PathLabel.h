#pragma once
// A one-line label for a folder path: when the path is wider than the label
// it shows the end of it behind an ellipsis ("…/Gyrovane/Gyrovane/logs"),
// the part that tells folders apart, and the whole path as its tool tip.

#include <QFontMetrics>
#include <QLabel>
#include <QResizeEvent>

namespace gv {

class PathLabel : public QLabel {
public:
    explicit PathLabel(QWidget* parent = nullptr) : QLabel(parent)
    {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }

    void setPath(const QString& path)
    {
        path_ = path;
        setToolTip(path);
        showElided();
    }
    const QString& path() const { return path_; }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QLabel::resizeEvent(e);
        showElided();
    }

private:
    void showElided() { setText(fontMetrics().elidedText(path_, Qt::ElideLeft, contentsRect().width())); }

    QString path_;
};

} // namespace gv
