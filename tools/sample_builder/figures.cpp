#include "tools/sample_builder/figures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace orvan::sample {

bool DrawFigure(const QString& shape, const QString& path) {
    QImage image(240, 180, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 250));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 0, 128), 3));
        painter.setBrush(QColor(200, 225, 245));
        if (shape == "triangle") {
            painter.drawPolygon(QPolygonF({{120, 20}, {210, 160}, {30, 160}}));
        } else if (shape == "circle") {
            painter.drawEllipse(QPointF(120, 90), 70, 70);
            painter.drawLine(QPointF(120, 90), QPointF(190, 90));
        } else if (shape == "square") {
            painter.drawRect(50, 20, 140, 140);
        } else if (shape == "rectangle") {
            painter.drawRect(30, 45, 180, 90);
        } else if (shape == "cube") {
            painter.drawRect(50, 60, 100, 100);
            painter.drawPolygon(QPolygonF({{50, 60}, {90, 20}, {190, 20}, {150, 60}}));
            painter.drawPolygon(QPolygonF({{150, 60}, {190, 20}, {190, 120}, {150, 160}}));
        } else if (shape == "cone") {
            painter.drawPolygon(QPolygonF({{120, 15}, {190, 140}, {50, 140}}));
            painter.drawEllipse(QPointF(120, 140), 70, 20);
        } else if (shape == "lever") {
            painter.drawLine(20, 100, 220, 60);
            painter.drawPolygon(QPolygonF({{120, 82}, {145, 150}, {95, 150}}));
            painter.drawRect(30, 60, 30, 30);
        } else if (shape == "pulley") {
            painter.drawEllipse(QPointF(120, 60), 40, 40);
            painter.drawLine(80, 60, 80, 160);
            painter.drawLine(160, 60, 160, 130);
            painter.drawRect(140, 130, 40, 35);
            painter.drawLine(120, 20, 120, 0);
        } else {
            return false;
        }
    }
    return image.save(path, "BMP");
}

}  // namespace orvan::sample
