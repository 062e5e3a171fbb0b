#pragma once

#include "display/qt/PageInput.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPagedPaintDevice>

#include <optional>

namespace tp {

// Paper copies and PDF files: one A4 sheet in landscape with 10 mm margins.
QPageLayout printedPageLayout();

// Draws what the page shows on the current sheet of `device`, fitted into its paintable area
// with its proportions kept, on white whatever the screen background. The shift plan sheet is
// vector drawing with real text; the month columns are a picture of at least 300 dpi with
// their headings, day numbers and weekdays laid over it as invisible text, so that a PDF can
// be searched and copied from.
// `heading`, when given, is one line of text above the page.
void printPage(QPagedPaintDevice& device, const PageInput& input, const QString& heading = {});

// The line above a printed page: the user, the months shown and the shift system
// ("Anna – Juli 2026 bis Dezember 2026 – Wendring PM 1").
QString printedPageHeading(const QString& userName, const PageInput& input);

// The page as a one-page A4 landscape PDF.
QByteArray pagePdf(const PageInput& input, const QString& heading = {});

// The font size (pixels) at which the month columns of `input` come out at least `dpi` dots
// per inch when fitted into an area of `areaInches`; what printPage draws them with.
int pictureFontPixelSize(const PageInput& input, QSizeF areaInches, int dpi);

} // namespace tp
