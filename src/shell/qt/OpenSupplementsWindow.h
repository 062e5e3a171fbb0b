#pragma once

class QWidget;

namespace tp {

class Session;

// "Zuschläge" for the month of the cursor and the user's base crew with his markings as
// edited; the wage he leaves in the window becomes his setting.
void openSupplementsWindow(QWidget* parent, Session& session);

} // namespace tp
