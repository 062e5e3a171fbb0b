#pragma once

#include "help/HelpTopic.h"

#include <QString>

namespace tp {

// The help text of a topic from the program's resources, lines separated by "\n". The
// program information is the program's title line, an empty line and the program menu text.
QString helpText(HelpTopic topic);

} // namespace tp
