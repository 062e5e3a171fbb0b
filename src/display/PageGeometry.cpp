#include "display/PageGeometry.h"

#include <cstdint>

namespace tp {

MainWindowLayout mainWindowLayout(LayoutUnits units, int pageWidth) {
    const int w = units.w;
    const int h = units.h;
    const int x0 = (w * pageWidth - 98 * w) / 2;
    const int y0 = h / 3;
    const int buttonHeight = roundedTenths(15, h);
    const int fieldHeight = roundedTenths(13, h);
    const int row1 = roundedTenths(346, h);
    const int row2 = roundedTenths(364, h);
    const int row3 = roundedTenths(382, h);

    const auto button = [&](Gadget gadget, int x, int width) {
        return GadgetLayout{gadget, GadgetKind::Button, {x, y0, width, buttonHeight}, {}};
    };
    const auto field = [&](Gadget gadget, int x, int y, int width, std::string_view toolTip) {
        return GadgetLayout{gadget, GadgetKind::ReadOnlyField, {x, y, width, fieldHeight}, toolTip};
    };
    const PixelSize page = pageImageSize(units, pageWidth);

    return {{
        button(Gadget::MoreColumns, x0 - 4 * w, 3 * w),
        button(Gadget::YearBack, x0, 8 * w),
        button(Gadget::MonthBack, x0 + 8 * w, 8 * w),
        button(Gadget::MonthForward, x0 + 16 * w, 8 * w),
        button(Gadget::YearForward, x0 + 24 * w, 8 * w),
        button(Gadget::PageBack, x0 + 33 * w, 8 * w),
        button(Gadget::Today, x0 + 41 * w, 8 * w),
        button(Gadget::PageForward, x0 + 49 * w, 8 * w),
        button(Gadget::Date, x0 + 57 * w, 8 * w),
        button(Gadget::Note, x0 + 66 * w, 8 * w),
        button(Gadget::ProgramMenu, x0 + 74 * w, 8 * w),
        button(Gadget::User, x0 + 82 * w, 8 * w),
        button(Gadget::Info, x0 + 90 * w, 8 * w),
        button(Gadget::FewerColumns, x0 + 99 * w, 3 * w),
        GadgetLayout{Gadget::Canvas, GadgetKind::Image, {0, 2 * h, page.width, page.height}, {}},
        field(Gadget::InfoLine, w, row1, w * (pageWidth - 11), "Infos zum Tag und Programmstatus"),
        field(Gadget::NoteLine, w, row2, w * (pageWidth - 8), "Notizen zum gewählten Tag"),
        field(Gadget::AstronomyLine, w, row3, w * (pageWidth - 7), "Astronomische Anzeigen"),
        field(Gadget::HoursField, w * (pageWidth - 9), row1, 8 * w,
              "Minus- und Plusstunden anhand der Schichtmarkierungen"),
        field(Gadget::VacationField, w * (pageWidth - 6), row2, 5 * w,
              "Resturlaub anhand der Schichtmarkierungen"),
        GadgetLayout{Gadget::VacationBlockToggle,
                     GadgetKind::ToggleButton,
                     {w * (pageWidth - 5), roundedTenths(381, h), 4 * w, buttonHeight},
                     {}},
    }};
}

const GadgetLayout& gadgetLayout(const MainWindowLayout& layout, Gadget gadget) {
    return layout[static_cast<std::size_t>(gadget)];
}

PixelSize clientSize(LayoutUnits units, int pageWidth) {
    return {units.w * pageWidth, kClientHeightRows * units.h};
}

PixelSize pageImageSize(LayoutUnits units, int pageWidth) {
    return {units.w * pageWidth, 32 * units.h + 2};
}

PixelRect canvasRect(LayoutUnits units, int pageWidth) {
    const PixelSize page = pageImageSize(units, pageWidth);
    return {0, 2 * units.h, page.width, page.height};
}

bool pageWithinDrawingLimit(LayoutUnits units, int pageWidth) {
    // In 64 bits: the units of a huge font times the page width may not fit an int.
    const std::int64_t width = std::int64_t{units.w} * pageWidth;
    const std::int64_t height = 32 * std::int64_t{units.h} + 2;
    return width <= kLargestPageSide && height <= kLargestPageSide;
}

bool clientFitsDesktop(LayoutUnits units, int pageWidth, PixelSize desktop) {
    if (!pageWithinDrawingLimit(units, pageWidth))
        return false;
    const PixelSize client = clientSize(units, pageWidth);
    return desktop.width > client.width && desktop.height > client.height;
}

PixelRect centredClientRect(LayoutUnits units, int pageWidth, PixelSize desktop) {
    const PixelSize client = clientSize(units, pageWidth);
    return {(desktop.width - client.width) / 2, (desktop.height - client.height) / 2, client.width,
            client.height};
}

int columnAtClientX(LayoutUnits units, int x) {
    return units.w > 0 ? x / (kColumnWidthUnits * units.w) : 0;
}

int dayRowAtClientY(LayoutUnits units, int y) {
    return units.h > 0 ? y / units.h - 2 : 0;
}

int shiftSlotAtClientX(LayoutUnits units, int x, int column) {
    if (units.w <= 0)
        return 0;
    const int unitInColumn = x / units.w - kColumnWidthUnits * column;
    // ceiling(u / 2) − 4: units 9–10 → 1 … 15–16 → 4
    const int halfUp = unitInColumn >= 0 ? (unitInColumn + 1) / 2 : unitInColumn / 2;
    const int slot = halfUp - 4;
    return slot >= 1 && slot <= 4 ? slot : 0;
}

} // namespace tp
