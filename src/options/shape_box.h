// ShapeBox: a shape control, an opaque rectangle with a one-pixel border.
#pragma once

#include <QtGui/QColor>
#include <QtWidgets/QWidget>

namespace orbo {

// A shape control: an opaque rectangle with a one-pixel border drawn inside its edges.
class ShapeBox : public QWidget {
    Q_OBJECT

public:
    ShapeBox(QColor backColor, QColor borderColor, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor backColor_;
    QColor borderColor_;
};

} // namespace orbo
