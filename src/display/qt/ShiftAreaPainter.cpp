#include "display/qt/ShiftAreaPainter.h"

#include "display/qt/PageColours.h"
#include "platform/qt/Colour.h"

#include <vector>

namespace tp {

namespace {

const std::array<QColor, kCrewCount>& crewColours() {
    static const std::array<QColor, kCrewCount> colours = [] {
        std::array<QColor, kCrewCount> converted;
        for (std::size_t crew = 0; crew < converted.size(); ++crew)
            converted[crew] = colourFromWindowsValue(CrewColours[crew]);
        return converted;
    }();
    return colours;
}

const QColor& crewColour(int crew) {
    return crewColours()[static_cast<std::size_t>(crew)];
}

// Red and blue crews carry white text.
QColor crewTextColour(int crew) {
    return crew == 0 || crew == 1 ? QColor(255, 255, 255) : pagecolours::kText;
}

bool isSunday(DayNumber day) {
    return weekdayOf(day) == Weekday::Sunday;
}

// Cancelled shifts of the day as bits 1 << code. Plant holidays always take the night shift
// first, so one question settles the ordinary day.
unsigned cancelledShiftsOf(DayNumber day) {
    if (!isShiftCancelled(day, NightShift))
        return 0;
    unsigned cancelled = 1u << NightShift;
    for (const int shift : {EarlyShift, LateShift})
        if (isShiftCancelled(day, shift))
            cancelled |= 1u << shift;
    return cancelled;
}

} // namespace

ShiftAreaPainter::ShiftAreaPainter(QPainter& painter, QImage& page, const PageInput& input,
                                   PageGlyphs& glyphs, PixelStamps& stamps, const PixelFill& pixels)
    : painter_(painter), page_(page), input_(input), glyphs_(glyphs), stamps_(stamps),
      pixels_(pixels), w_(input.units.w), h_(input.units.h),
      background_(colourFromWindowsValue(input.backgroundColour)) {}

void ShiftAreaPainter::draw(int x, int y, DayNumber day, DayNumber blockVacationStart,
                            const DayMarks& marks) {
    const CalendarType type = input_.shifts.calendarType;
    if (type == CalendarType::WendringTwoShift)
        drawTwoShiftCells(x, y, day, marks);
    else if (isFourCrew(type))
        drawFourCrewCells(x, y, day, marks);
    else
        drawFiveCrewCells(x, y, day, blockVacationStart, marks);
}

void ShiftAreaPainter::drawFiveCrewCells(int x, int y, DayNumber day, DayNumber blockVacationStart,
                                         const DayMarks& marks) {
    const CrewDuties duties = crewDutiesOfDay(input_.shifts, day, true);
    const CrewShifts& crews = duties.crews;
    const int crewOutside = duties.crewOutside;
    const bool inBlockVacation = day >= blockVacationStart && day < blockVacationStart + 140;
    const bool sunday = isSunday(day);
    // Sundays have no late shift: early and night crew work twelve hours and share its slot.
    const unsigned cancelled = cancelledShiftsOf(day);
    const bool shareLateSlot = sunday && (cancelled & (1u << LateShift)) == 0;
    const bool splitLateCircle = sunday && (cancelled & (1u << EarlyShift)) != 0;
    const QString markingLetter = QString::fromStdString(marks.markingLetter);

    // The crew outside the rotation is drawn like the others first: its free week shows in
    // the free-week slot, and its shift boxes lie under those of the crew on the same shift.
    for (int crew = 0; crew < kCrewCount; ++crew) {
        const int code = crews[static_cast<std::size_t>(crew)];
        const QColor& colour = crewColour(crew);
        const QColor textColour = crewTextColour(crew);
        switch (code) {
        case FreeWeek:
            if (marks.markingColumn == 1) {
                fillBox(x, y, 2 * w_, colour);
                drawCentredText(x + w_, y, markingLetter, textColour);
            } else if (inBlockVacation && input_.switches.vacationBlock) {
                fillBox(x, y, 2 * w_, colour);
                drawCentredText(x + w_, y, glyphs_.character('U'), textColour);
            } else {
                drawFreeWeekSquare(x, y, colour);
            }
            break;
        case EarlyShift:
        case LateShift:
        case NightShift: {
            const int slotLeft = x + 2 * code * w_;
            const int slotCentre = slotLeft + w_;
            if (cancelled & (1u << code))
                fillCircle(slotCentre, y, colour);
            else if (shareLateSlot && code == EarlyShift)
                fillBox(slotLeft, y, 3 * w_, colour);
            else if (shareLateSlot && code == NightShift)
                fillBox(slotLeft - w_, y, 3 * w_, colour);
            else
                fillBox(slotLeft, y, 2 * w_, colour);
            if (marks.markingColumn == code + 1)
                drawCentredText(slotCentre, y, markingLetter, textColour);
            if (splitLateCircle && code == EarlyShift)
                markSundayLateSlot(x, y, x + 5 * w_ - 2, colour);
            if (splitLateCircle && code == NightShift)
                markSundayLateSlot(x, y, x + 5 * w_ + 2, colour);
            break;
        }
        case VacationFreeDay:
            if (inBlockVacation && marks.markingColumn == 1)
                drawCentredText(x + w_, y, markingLetter, pagecolours::kText);
            break;
        default:
            break;
        }
    }

    // In the changeover to the new rotation one crew keeps its old rhythm; it is shown apart
    // in the free-week slot, which no other crew uses then.
    if (crewOutside >= 0 && input_.switches.vacationBlock) {
        const int code = crews[static_cast<std::size_t>(crewOutside)];
        if (code >= EarlyShift && code <= NightShift) {
            fillBox(x, y, 2 * w_, crewColour(crewOutside));
            drawCentredText(x + w_, y, glyphs_.character(static_cast<char>('0' + code)),
                            crewTextColour(crewOutside));
        }
    }
}

void ShiftAreaPainter::drawTwoShiftCells(int x, int y, DayNumber day, const DayMarks& marks) {
    const CrewShifts crews = crewDutiesOfDay(input_.shifts, day, false).crews;
    const unsigned cancelled = cancelledShiftsOf(day);
    const QString markingLetter = QString::fromStdString(marks.markingLetter);
    for (int crew = 0; crew < 3; ++crew) {
        const int code = crews[static_cast<std::size_t>(crew)];
        const QColor& colour = crewColour(crew);
        const QColor textColour = crewTextColour(crew);
        if (code == FreeWeek) {
            if (marks.markingColumn == 1) {
                fillBox(x, y, 2 * w_, colour);
                drawCentredText(x + w_, y, markingLetter, textColour);
            }
            continue;
        }
        if (code != EarlyShift && code != LateShift)
            continue;
        const int slotLeft = x + 2 * code * w_;
        if (cancelled & (1u << code))
            fillCircle(slotLeft + w_, y, colour);
        else
            fillBox(slotLeft, y, 2 * w_, colour);
        if (marks.markingColumn == code + 1)
            drawCentredText(slotLeft + w_, y, markingLetter, textColour);
    }
}

void ShiftAreaPainter::drawFourCrewCells(int x, int y, DayNumber day, const DayMarks& marks) {
    const CalendarType type = input_.shifts.calendarType;
    const CrewShifts crews = crewDutiesOfDay(input_.shifts, day, false).crews;
    for (int crew = 1; crew <= 4; ++crew) {
        const int centre = x + (2 * crew - 1) * w_;
        if (marks.markingColumn == crew) {
            drawCentredText(centre, y, QString::fromStdString(marks.markingLetter),
                            pagecolours::kMarkingOnFourCrew);
            continue;
        }
        const int code = crews[static_cast<std::size_t>(crew - 1)];
        if (type == CalendarType::ValdorHalmstett) {
            if (code >= EarlyShift && code <= NightShift)
                drawCentredText(centre, y, glyphs_.character(static_cast<char>('0' + code)),
                                pagecolours::kText);
            else if (code == FreeDay)
                drawCentredText(centre, y, glyphs_.character('f'), pagecolours::kFourCrewFreeDay);
        } else {
            switch (code) {
            case EarlyShift:
                drawCentredText(centre, y, glyphs_.character('F'), pagecolours::kFourCrewLetters);
                break;
            case LateShift:
                drawCentredText(centre, y, glyphs_.character('S'), pagecolours::kFourCrewLetters);
                break;
            case NightShift:
                drawCentredText(centre, y, glyphs_.character('N'), pagecolours::kText);
                break;
            default:
                break;
            }
        }
    }
}

void ShiftAreaPainter::fillBox(int left, int y, int width, const QColor& colour) {
    // One pixel of background around each box keeps neighbouring boxes and days apart.
    pixels_.fill(left + 1, y + 1, width - 2, h_ - 1, colour.rgb());
}

void ShiftAreaPainter::fillCircle(int centreX, int y, const QColor& colour) {
    const int radius = (w_ + h_) / 4;
    const QPoint centre(centreX, y + h_ / 2);
    // Circles are alike but for their colour; the first of each is drawn, the others copied.
    // Apart from the day part's symbols (1 to 4 in the top bits).
    const StampKind kind{std::uint64_t{8} << 60 |
                             std::uint64_t{static_cast<unsigned>(radius)} << 32 |
                             (colour.rgb() & 0xFFFFFF),
                         QString()};
    const QRect area(centre.x() - radius - 2, centre.y() - radius - 2, 2 * radius + 5,
                     2 * radius + 5);
    stamps_.draw(pixels_, kind, area, [&] {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(colour);
        painter_.drawEllipse(centre, radius, radius);
        painter_.setBrush(Qt::NoBrush);
    });
}

void ShiftAreaPainter::drawFreeWeekSquare(int x, int y, const QColor& colour) {
    const int side = std::max(3, std::min(2 * w_, h_) * 6 / 10);
    pixels_.fill(x + w_ - side / 2, y + (h_ - side) / 2 + 1, side, side, colour.rgb());
}

void ShiftAreaPainter::drawCentredText(int centreX, int y, const GlyphText& text,
                                       const QColor& colour) {
    glyphs_.draw(pixels_, centreX - text.width / 2,
                 y + (h_ - glyphs_.height()) / 2 + glyphs_.ascent(), text, colour.rgb());
}

void ShiftAreaPainter::drawCentredText(int centreX, int y, const QString& text,
                                       const QColor& colour) {
    if (text.isEmpty())
        return;
    // The marking letters are among the page's prepared characters: blended, not shaped.
    if (text.size() == 1 && text[0].unicode() < 128) {
        const GlyphText& glyph = glyphs_.character(static_cast<char>(text[0].unicode()));
        if (glyph.width > 0) {
            drawCentredText(centreX, y, glyph, colour);
            return;
        }
    }
    painter_.setPen(colour);
    painter_.drawText(QRect(centreX - 2 * w_, y, 4 * w_, h_), Qt::AlignCenter, text);
}

// On a Sunday without shifts the early and the night crew each claim one half of a circle in
// the empty late slot: whoever comes first draws the whole circle and splits it, the second
// floods its own half.
void ShiftAreaPainter::markSundayLateSlot(int x, int y, int probeX, const QColor& colour) {
    const int probeY = y + h_ / 2;
    const int centreX = x + 5 * w_;
    if (page_.pixel(probeX, probeY) == background_.rgb()) {
        fillCircle(centreX, y, colour);
        painter_.setPen(background_);
        painter_.drawLine(centreX, y, centreX, y + h_ - 1);
    } else {
        floodFill(probeX, probeY, colour, QRect(x + 2 * w_, y, 6 * w_, h_));
    }
}

void ShiftAreaPainter::floodFill(int startX, int startY, const QColor& colour,
                                 const QRect& bounds) {
    const QRect area = bounds.intersected(page_.rect());
    if (!area.contains(startX, startY))
        return;
    const QRgb border = background_.rgb();
    const QRgb fill = colour.rgb();
    if (page_.pixel(startX, startY) == fill)
        return;
    std::vector<bool> visited(static_cast<std::size_t>(area.width() * area.height()), false);
    const auto index = [&](int px, int py) {
        return static_cast<std::size_t>((py - area.top()) * area.width() + (px - area.left()));
    };
    std::vector<QPoint> pending{QPoint(startX, startY)};
    std::vector<QRect> spans;
    while (!pending.empty()) {
        const QPoint seed = pending.back();
        pending.pop_back();
        const int py = seed.y();
        if (visited[index(seed.x(), py)])
            continue;
        const QRgb* line = reinterpret_cast<const QRgb*>(page_.constScanLine(py));
        int left = seed.x();
        while (left > area.left() && line[left - 1] != border && !visited[index(left - 1, py)])
            --left;
        int right = seed.x();
        while (right < area.right() && line[right + 1] != border && !visited[index(right + 1, py)])
            ++right;
        for (int px = left; px <= right; ++px) {
            visited[index(px, py)] = true;
            for (const int ny : {py - 1, py + 1}) {
                if (ny < area.top() || ny > area.bottom() || visited[index(px, ny)])
                    continue;
                const QRgb* neighbour = reinterpret_cast<const QRgb*>(page_.constScanLine(ny));
                if (neighbour[px] != border)
                    pending.emplace_back(px, ny);
            }
        }
        spans.emplace_back(left, py, right - left + 1, 1);
    }
    for (const QRect& span : spans)
        painter_.fillRect(span, colour);
}

} // namespace tp
