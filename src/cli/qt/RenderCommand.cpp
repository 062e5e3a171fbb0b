#include "astro/AstronomyMarksSource.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "display/qt/PageFont.h"
#include "display/qt/PageInputOf.h"
#include "display/qt/PagePrinting.h"
#include "display/qt/PageRenderer.h"
#include "platform/OutputFile.h"
#include "session/Session.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <memory>

namespace tp::cli {

namespace {

bool outputIsPdf(const std::string& path) {
    return QString::fromStdString(path).endsWith(".pdf", Qt::CaseInsensitive);
}

struct RenderRequest {
    DayNumber day = 0;
    ProgramSettings settings;
    std::string outputPath = "page.png";
};

std::optional<RenderRequest> parseRenderRequest(const std::vector<std::string>& arguments,
                                                std::ostream& err) {
    std::string error;
    const auto parsed =
        parseArguments(arguments, {"type", "columns", "font", "size", "out"}, error);
    if (!parsed) {
        err << "render: " << error << '\n';
        return std::nullopt;
    }
    if (parsed->positional.size() != 1) {
        err << "render: erwartet ein DATUM (JJJJ-MM-TT)\n";
        return std::nullopt;
    }
    RenderRequest request;
    const auto day = parseSupportedDate(parsed->positional[0]);
    if (!day) {
        err << "render: DATUM muss JJJJ-MM-TT zwischen 1970-01-01 und 2037-07-31 sein\n";
        return std::nullopt;
    }
    request.day = *day;
    const auto option = [&](const char* name) { return optionValue(*parsed, name); };
    if (const std::string* text = option("type")) {
        const auto type = parseInteger(*text, 0, kCalendarTypeCount - 1);
        if (!type) {
            err << "render: --type muss 0..7 sein\n";
            return std::nullopt;
        }
        request.settings.calendarType = *calendarTypeFromNumber(*type);
    }
    if (const std::string* text = option("columns")) {
        const auto columns = parseInteger(*text, 1, kMaxLastColumnIndex + 1);
        if (!columns || !isValidLastColumnIndex(*columns - 1)) {
            err << "render: --columns muss 6..24 sein\n";
            return std::nullopt;
        }
        request.settings.lastColumnIndex = *columns - 1;
    }
    if (const std::string* text = option("font")) {
        if (text->empty()) {
            err << "render: --font braucht einen Schriftnamen\n";
            return std::nullopt;
        }
        request.settings.font.name = *text;
    }
    if (const std::string* text = option("size")) {
        const auto size = parseInteger(*text, 1, 200);
        if (!size) {
            err << "render: --size muss 1..200 (Punkt) sein\n";
            return std::nullopt;
        }
        request.settings.font.size = *size;
    }
    if (const std::string* text = option("out")) {
        if (text->empty()) {
            err << "render: --out braucht einen Dateinamen\n";
            return std::nullopt;
        }
        request.outputPath = *text;
    }
    if (!outputIsPdf(request.outputPath) &&
        !QString::fromStdString(request.outputPath).endsWith(".png", Qt::CaseInsensitive)) {
        err << "render: --out muss eine .png- oder .pdf-Datei nennen\n";
        return std::nullopt;
    }
    return request;
}

// Drawing needs a GUI application; the other commands must not start one.
std::unique_ptr<QGuiApplication> startGuiApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "turnoplaner-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int runRenderCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    const auto request = parseRenderRequest(arguments, err);
    if (!request)
        return kUsageError;
    const auto application = startGuiApplication();

    // The program's state right after start-up with these settings, today being the date.
    SessionState state = stateAfterStart(request->settings, request->day);
    const std::optional<QFont> font = pageFontOf(state.font);
    state.units = unitsOfFont(font);

    LunationCache lunations;
    const AstronomyMarksSource astronomyMarks(
        state.place, dayMarkRequestOf(state.switches.moonPhases, state.switches.orbitExtremes),
        lunations);
    const PageInput input =
        pageInputOf(pageLookOf(state), font.value_or(QFont()), {&astronomyMarks});

    // The window refuses a page larger than the desktop; here the drawing limit stands in for it.
    const PixelSize size = pageImageSize(input.units, pageWidthUnits(input.lastColumnIndex));
    if (!pageWithinDrawingLimit(input.units, pageWidthUnits(input.lastColumnIndex))) {
        err << "render: die Seite wäre " << size.width << " x " << size.height
            << " Pixel groß; bitte eine kleinere Schrift oder weniger Spalten wählen\n";
        return kUsageError;
    }

    QImage page;
    DayCellTable cells;
    drawPage(page, input, cells);
    // Encoded first and then put in place whole: an old file is only ever replaced by a
    // complete one.
    QByteArray encoded;
    if (outputIsPdf(request->outputPath)) {
        encoded = pagePdf(input);
    } else {
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        if (!page.save(&buffer, "PNG")) {
            err << "render: die Seite konnte nicht als PNG kodiert werden\n";
            return kWriteError;
        }
    }
    const WriteResult written = writeOutputFile(
        std::filesystem::path(request->outputPath),
        std::string_view(encoded.constData(), static_cast<std::size_t>(encoded.size())));
    if (!written) {
        err << "render: " << request->outputPath
            << " kann nicht geschrieben werden: " << written.reason << '\n';
        return kWriteError;
    }
    out << "unit_w=" << input.units.w << " unit_h=" << input.units.h << " width=" << page.width()
        << " height=" << page.height() << '\n';
    return 0;
}

} // namespace tp::cli
