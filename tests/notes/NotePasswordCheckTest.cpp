#include "notes/NotePasswordCheck.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

// The check value fits only the password it was made of (salted, so two differ); one that is
// damaged decides nothing.
TEST(NotePasswordCheck, OnlyThePasswordItWasMadeOfFits) {
    if (!notePasswordChecksAvailable())
        GTEST_SKIP() << "built without libsodium";
    const std::string check = makeNotePasswordCheck("Grüße").value();
    EXPECT_NE(makeNotePasswordCheck("Grüße"), check);
    const std::string damaged = check.substr(0, check.size() - 5) + "!!!!!";
    const struct {
        std::string_view value, password;
        NotePasswordFit fit;
    } cases[] = {
        {check, "Grüße", NotePasswordFit::Fits},
        {check, "grüße", NotePasswordFit::DoesNotFit},
        {check, "", NotePasswordFit::DoesNotFit},
        {"", "Grüße", NotePasswordFit::CannotTell},
        {damaged, "Grüße", NotePasswordFit::CannotTell},
    };
    for (const auto& c : cases)
        EXPECT_EQ(notePasswordFit(c.value, c.password), c.fit) << c.value << " / " << c.password;
}

} // namespace
} // namespace tp
