#pragma once

#include "display/qt/PageGlyphs.h"
#include "display/qt/PageInput.h"
#include "display/qt/PixelFill.h"
#include "display/qt/PixelStamps.h"
#include "model/DayMarks.h"

#include <QPainter>

namespace tp {

// Draws the shift area of one day row on the page image; internal to the page renderer.
class ShiftAreaPainter {
  public:
    ShiftAreaPainter(QPainter& painter, QImage& page, const PageInput& input, PageGlyphs& glyphs,
                     PixelStamps& stamps, const PixelFill& pixels);

    // The shift area of `day` whose row starts at (x, y); x is the start of the shift area.
    void draw(int x, int y, DayNumber day, DayNumber blockVacationStart, const DayMarks& marks);

  private:
    void drawFiveCrewCells(int x, int y, DayNumber day, DayNumber blockVacationStart,
                           const DayMarks& marks);
    void drawTwoShiftCells(int x, int y, DayNumber day, const DayMarks& marks);
    void drawFourCrewCells(int x, int y, DayNumber day, const DayMarks& marks);

    void fillBox(int left, int y, int width, const QColor& colour);
    void fillCircle(int centreX, int y, const QColor& colour);
    void drawFreeWeekSquare(int x, int y, const QColor& colour);
    void drawCentredText(int centreX, int y, const QString& text, const QColor& colour);
    void drawCentredText(int centreX, int y, const GlyphText& text, const QColor& colour);
    void markSundayLateSlot(int x, int y, int probeX, const QColor& colour);
    void floodFill(int startX, int startY, const QColor& colour, const QRect& bounds);

    QPainter& painter_;
    QImage& page_;
    const PageInput& input_;
    PageGlyphs& glyphs_;
    PixelStamps& stamps_;
    const PixelFill& pixels_;
    int w_;
    int h_;
    QColor background_;
};

} // namespace tp
