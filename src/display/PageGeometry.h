#pragma once

#include "model/MonthColumns.h"

#include <array>
#include <string_view>

namespace tp {

// The two layout units every window and page coordinate is a multiple of: the character
// width W and the row height H of the page font, in pixels.
struct LayoutUnits {
    int w = 8;
    int h = 12;
    friend constexpr bool operator==(const LayoutUnits&, const LayoutUnits&) = default;
};

// Units used when the page font cannot be created.
inline constexpr LayoutUnits kFallbackUnits{8, 12};

inline constexpr int kColumnWidthUnits = 18; // one month column
inline constexpr int kClientHeightRows = 40;

// Page width PW in character-width units for columns 0..lastColumnIndex.
constexpr int pageWidthUnits(int lastColumnIndex) {
    return (lastColumnIndex + 1) * kColumnWidthUnits;
}

struct PixelSize {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The gadgets of the main window, in the order of the layout table.
enum class Gadget {
    MoreColumns,
    YearBack,
    MonthBack,
    MonthForward,
    YearForward,
    PageBack,
    Today,
    PageForward,
    Date,
    Note,
    ProgramMenu,
    User,
    Info,
    FewerColumns,
    Canvas,
    InfoLine,
    NoteLine,
    AstronomyLine,
    HoursField,
    VacationField,
    VacationBlockToggle,
};
inline constexpr int kGadgetCount = 21;

enum class GadgetKind { Button, Image, ReadOnlyField, ToggleButton };

struct GadgetLayout {
    Gadget gadget;
    GadgetKind kind;
    PixelRect rect;
    std::string_view toolTip; // UTF-8, of a field; a button's is in the command table
};

using MainWindowLayout = std::array<GadgetLayout, kGadgetCount>;

// Position and size of every gadget for the units and page width PW, and the fields' tool tips.
MainWindowLayout mainWindowLayout(LayoutUnits units, int pageWidth);

const GadgetLayout& gadgetLayout(const MainWindowLayout& layout, Gadget gadget);

// Main window client area: W × PW by 40 × H.
PixelSize clientSize(LayoutUnits units, int pageWidth);

// The page image (and the canvas that shows it): W × PW by 32 × H + 2.
PixelSize pageImageSize(LayoutUnits units, int pageWidth);

// The canvas: at (0, 2H), the size of the page image.
PixelRect canvasRect(LayoutUnits units, int pageWidth);

// The largest side of a page image the program draws: whatever the screen claims, a larger
// page would take gigabytes and minutes before anything could be said about it.
inline constexpr int kLargestPageSide = 16384;

// Whether the page image for these units and page width stays within kLargestPageSide.
bool pageWithinDrawingLimit(LayoutUnits units, int pageWidth);

// Whether the client area fits strictly inside the desktop (and its page within the limit).
bool clientFitsDesktop(LayoutUnits units, int pageWidth, PixelSize desktop);

// Top-left corner of the client area centred on the desktop.
PixelRect centredClientRect(LayoutUnits units, int pageWidth, PixelSize desktop);

// round(tenths / 10 × unit) with halves rounded up, for the fractional factors of the layout
// (1.5 H is roundedTenths(15, h)).
constexpr int roundedTenths(int tenths, int unit) {
    const int product = tenths * unit;
    return product >= 0 ? (product + 5) / 10 : -((-product + 5) / 10);
}

// --- Mouse on the canvas. x and y are client-area pixels of the main window. ---

// Month column under x (may exceed the last column; the caller clamps).
int columnAtClientX(LayoutUnits units, int x);

// Day row under y: truncate(y / H) − 2 (0 and below are the heading rows).
int dayRowAtClientY(LayoutUnits units, int y);

// Shift slot 1..4 of column `column` under x (units 9–10, 11–12, 13–14, 15–16 of the
// column), else 0.
int shiftSlotAtClientX(LayoutUnits units, int x, int column);

} // namespace tp
