#include "display/qt/PagePrinting.h"

#include "display/qt/PageFont.h"
#include "display/qt/PageRenderer.h"
#include "display/qt/ShiftPlanSheet.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tp {

namespace {

constexpr int kPictureDpi = 300;
constexpr int kWhite = 0xFFFFFF;
constexpr double kHeadingPoints = 10;

PixelSize columnPageSize(const PageInput& input) {
    return pageImageSize(input.units, pageWidthUnits(input.lastColumnIndex));
}

// `size` scaled to fit `area`, proportions kept, centred in it.
QRectF fittedRect(QSizeF size, const QRectF& area) {
    const QSizeF scaled = size.scaled(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.left() + (area.width() - scaled.width()) / 2,
                  area.top() + (area.height() - scaled.height()) / 2, scaled.width(),
                  scaled.height());
}

PageInput withFontPixelSize(const PageInput& input, int pixelSize) {
    PageInput scaled = input;
    scaled.font.setPixelSize(pixelSize);
    scaled.units = unitsOfFont(scaled.font);
    return scaled;
}

void printSheet(QPainter& painter, const PageInput& input, const QRectF& area) {
    // Laid out for the device's own pixels, so fonts and lines need no scaling.
    const SheetFrame frame = sheetFrameFor(
        {static_cast<int>(std::floor(area.width())), static_cast<int>(std::floor(area.height()))});
    const QRectF target = fittedRect(QSizeF(frame.imageSize.width, frame.imageSize.height), area);
    painter.save();
    painter.translate(target.topLeft());
    paintShiftPlanSheet(painter, input, frame);
    painter.restore();
}

void printColumns(QPainter& painter, const PageInput& input, const QRectF& area,
                  QSizeF areaInches) {
    const PageInput large =
        withFontPixelSize(input, pictureFontPixelSize(input, areaInches, kPictureDpi));
    std::vector<std::pair<QPoint, QString>> texts;
    const PageTextSink collect = [&texts](QPoint at, const QString& text) {
        texts.emplace_back(at, text);
    };
    QImage picture;
    DayCellTable cells;
    drawMonthColumns(picture, large, cells, &collect);

    const QRectF target = fittedRect(QSizeF(picture.size()), area);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(target, picture);
    // The texts again, exactly over their pictures and fully transparent: invisible on paper,
    // but what a viewer searches and copies.
    painter.translate(target.topLeft());
    painter.scale(target.width() / picture.width(), target.height() / picture.height());
    painter.setFont(large.font);
    painter.setPen(QColor(0, 0, 0, 0));
    for (const auto& [at, text] : texts)
        painter.drawText(at, text);
    painter.restore();
}

} // namespace

QPageLayout printedPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

int pictureFontPixelSize(const PageInput& input, QSizeF areaInches, int dpi) {
    const double neededWidth = areaInches.width() * dpi;
    const double neededHeight = areaInches.height() * dpi;
    const auto sharpEnough = [&](const PixelSize& size) {
        // Fitted, the picture fills the area in one direction; that one sets the dots per inch.
        return size.width >= neededWidth || size.height >= neededHeight;
    };
    const PixelSize screen = columnPageSize(input);
    const int screenPixels = std::max(1, QFontInfo(input.font).pixelSize());
    const double factor = std::min(neededWidth / std::max(1, screen.width),
                                   neededHeight / std::max(1, screen.height));
    int pixelSize = std::max(1, static_cast<int>(std::floor(screenPixels * factor)));
    // The units are whole pixels, so the estimate is refined by measuring.
    while (pixelSize > 1 && sharpEnough(columnPageSize(withFontPixelSize(input, pixelSize - 1))))
        --pixelSize;
    for (int step = 0;
         step < 200 && !sharpEnough(columnPageSize(withFontPixelSize(input, pixelSize))); ++step)
        ++pixelSize;
    return pixelSize;
}

QString printedPageHeading(const QString& userName, const PageInput& input) {
    const CalendarType type = input.shifts.calendarType;
    const ShownDays days = shownDays(input.view, input.lastColumnIndex, type);
    const auto monthText = [](DayNumber day) {
        const CivilDate date = civilFromDayNumber(day);
        return QString::fromUtf8(monthName(date.month).data(),
                                 static_cast<qsizetype>(monthName(date.month).size())) +
               QLatin1Char(' ') + QString::number(date.year);
    };
    QString months = monthText(days.first);
    if (monthText(days.last) != months)
        months += QStringLiteral(" bis ") + monthText(days.last);
    const std::string_view typeName = calendarTypeInfo(type).label;
    return userName + QStringLiteral(" – ") + months + QStringLiteral(" – ") +
           QString::fromUtf8(typeName.data(), static_cast<qsizetype>(typeName.size()));
}

void printPage(QPagedPaintDevice& device, const PageInput& input, const QString& heading) {
    PageInput printed = input;
    printed.backgroundColour = kWhite;
    QPainter painter(&device);
    QRectF area(0, 0, device.width(), device.height());
    painter.fillRect(area, Qt::white);
    if (!heading.isEmpty()) {
        QFont font = input.font;
        font.setPointSizeF(kHeadingPoints);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const double line = QFontMetricsF(font, &device).height();
        painter.drawText(QRectF(0, 0, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                         heading);
        // Half a line between the heading and the page.
        area.setTop(1.5 * line);
    }
    if (isSheet(printed.shifts.calendarType)) {
        printSheet(painter, printed, area);
        return;
    }
    const QSizeF areaInches(area.width() / device.logicalDpiX(),
                            area.height() / device.logicalDpiY());
    printColumns(painter, printed, area, areaInches);
}

QByteArray pagePdf(const PageInput& input, const QString& heading) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(printedPageLayout());
        writer.setResolution(kPictureDpi);
        writer.setCreator(QStringLiteral("Turnoplaner"));
        writer.setTitle(QStringLiteral("Turnoplaner"));
        printPage(writer, input, heading);
    }
    return bytes;
}

} // namespace tp
