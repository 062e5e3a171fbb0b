#pragma once

#include "display/qt/PageInputOf.h"
#include "session/Session.h"

namespace tp {

// The page the main window shows, on the screen and on paper alike: the session's look in the
// page font, with the marks it reads, which live as long as this does.
class ShownPageInput {
  public:
    ShownPageInput(const Session& session, const QFont& font, LunationCache& lunations)
        : marks_(session.state().place, session.state().switches, session.state().noteIndexes,
                 session.state().shiftMarkings, session.state().calendarBars,
                 session.state().calendarType, lunations),
          input_(pageInputOf(session.pageLook(), font, marks_.all())) {}
    ShownPageInput(const ShownPageInput&) = delete;
    ShownPageInput& operator=(const ShownPageInput&) = delete;

    PageInput& input() { return input_; }

  private:
    PageMarkSources marks_;
    PageInput input_;
};

} // namespace tp
