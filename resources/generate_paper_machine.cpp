// Draws paper_machine.png, the little picture in the corner of the shift plan sheet: a factory
// hall with a chimney, a paper machine of drying cylinders and the finished roll of paper.
// Build and run once when the picture should change:
//   g++ -std=c++20 -fPIC generate_paper_machine.cpp $(pkg-config --cflags --libs Qt6Gui) -o gen
//   QT_QPA_PLATFORM=offscreen ./gen paper_machine.png
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "paper_machine.png";
    QImage image(256, 240, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Sky disc behind the hall.
    QRadialGradient sky(128, 110, 120);
    sky.setColorAt(0, QColor(214, 232, 246));
    sky.setColorAt(1, QColor(170, 204, 232));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(4, 4, 248, 232), 28, 28);

    // Chimney with a puff of steam.
    p.setBrush(QColor(150, 70, 55));
    p.drawRect(QRectF(176, 28, 20, 70));
    p.setBrush(QColor(120, 55, 45));
    p.drawRect(QRectF(172, 24, 28, 8));
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(QPointF(186, 16), 12, 9);
    p.drawEllipse(QPointF(204, 10), 9, 7);
    p.drawEllipse(QPointF(218, 6), 6, 5);

    // Factory hall with saw-tooth roof.
    QPainterPath hall;
    hall.moveTo(20, 170);
    hall.lineTo(20, 96);
    for (int tooth = 0; tooth < 4; ++tooth) {
        const double x = 20 + tooth * 54;
        hall.lineTo(x + 40, 70);
        hall.lineTo(x + 40, 96);
        hall.lineTo(x + 54, 96);
    }
    hall.lineTo(236, 170);
    hall.closeSubpath();
    p.setBrush(QColor(196, 112, 78));
    p.setPen(QPen(QColor(110, 60, 40), 2));
    p.drawPath(hall);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 236, 170));
    for (int window = 0; window < 6; ++window)
        p.drawRect(QRectF(30 + window * 34, 108, 20, 16));

    // Machine bed and the paper web running over the drying cylinders.
    p.setBrush(QColor(70, 84, 100));
    p.drawRoundedRect(QRectF(14, 186, 200, 16), 4, 4);
    QPainterPath web;
    web.moveTo(18, 172);
    for (int cylinder = 0; cylinder < 5; ++cylinder) {
        const double x = 34 + cylinder * 34;
        web.quadTo(x, cylinder % 2 ? 190 : 150, x + 17, 170);
    }
    web.lineTo(196, 178);
    p.setPen(QPen(QColor(252, 252, 246), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(web);
    for (int cylinder = 0; cylinder < 5; ++cylinder) {
        const QPointF centre(34 + cylinder * 34, cylinder % 2 ? 178 : 162);
        QRadialGradient steel(centre - QPointF(4, 4), 15);
        steel.setColorAt(0, QColor(230, 234, 238));
        steel.setColorAt(1, QColor(112, 124, 138));
        p.setPen(QPen(QColor(60, 68, 80), 1.5));
        p.setBrush(steel);
        p.drawEllipse(centre, 13, 13);
        p.setBrush(QColor(60, 68, 80));
        p.drawEllipse(centre, 3, 3);
    }

    // The finished roll of paper.
    QLinearGradient roll(196, 150, 196, 222);
    roll.setColorAt(0, QColor(255, 255, 250));
    roll.setColorAt(1, QColor(206, 204, 192));
    p.setPen(QPen(QColor(120, 118, 110), 2));
    p.setBrush(roll);
    p.drawRect(QRectF(178, 154, 46, 64));
    p.setBrush(QColor(246, 244, 236));
    p.drawEllipse(QPointF(224, 186), 14, 32);
    p.setBrush(QColor(150, 110, 70));
    p.drawEllipse(QPointF(224, 186), 5, 11);

    p.end();
    return image.save(output) ? 0 : 1;
}
