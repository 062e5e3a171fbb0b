#include "help/qt/HelpTexts.h"

#include <QFile>

#include <mutex>

// The texts are compiled into the static UI library; its resource initialiser must be called
// explicitly or the linker may drop it. Q_INIT_RESOURCE must stand outside any namespace.
static void initialiseHelpResources() {
    Q_INIT_RESOURCE(helptexts);
}

namespace tp {

namespace {

QString resourceText(std::string_view path) {
    static std::once_flag initialised;
    std::call_once(initialised, initialiseHelpResources);
    QFile file(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QLatin1Char('\r'));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

} // namespace

QString helpText(HelpTopic topic) {
    const QString text = resourceText(helpTopicInfo(topic).resource);
    if (topic != HelpTopic::ProgramInfo)
        return text;
    return text + QStringLiteral("\n\n") + helpText(HelpTopic::ProgramMenu);
}

} // namespace tp
