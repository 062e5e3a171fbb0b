#pragma once

#include "display/DayCellTable.h"
#include "session/SessionState.h"

#include <QPoint>
#include <QString>

namespace tp {

// The tool tip at a client-area point of the month columns: the crews and shift times of the
// shift slot there ("Blau – Frühschicht 6.00–14.00"); empty elsewhere.
QString pageToolTip(const SessionState& state, const DayCellTable& cells, QPoint client);

} // namespace tp
