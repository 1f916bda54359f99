// A filled circle with a thin black outline: the connection indicator of the connection bar.
#pragma once

#include <QColor>
#include <QWidget>

class CircleShape : public QWidget {
    Q_OBJECT
public:
    explicit CircleShape(QWidget* parent = nullptr);

    QColor brushColor() const { return fill; }
    void setBrushColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill = Qt::white;
};
