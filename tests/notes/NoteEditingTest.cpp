#include "notes/NoteEditing.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

// Saving drops the line breaks and tabs typed after the text, and nothing else: not the breaks
// the note already ended with, nor the characters a wrong password gave.
TEST(NoteEditing, SavingDropsOnlyTheBreaksTypedAfterTheText) {
    const struct {
        std::string_view text;
        std::string_view opened;
        std::string_view saved;
    } cases[] = {
        {"Arzt\r\n\r\n\t", "", "Arzt"},
        {"Arzt 9 Uhr\r\n\r\n", "Arzt\r\n", "Arzt 9 Uhr\r\n"},
        {"Arzt\r\n", "Arzt\r\n\r\n", "Arzt\r\n"},
        {"Tel. 0815 4711\x01\x1F\x0B", "Tel. 0815 4711\x01\x1F\x0B", "Tel. 0815 4711\x01\x1F\x0B"},
        {"Tel.\x05\r\n", "Tel.\x05", "Tel.\x05"},
        {"\r\n", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withoutTypedTrailingBreaks(std::string(c.text), c.opened), c.saved) << c.text;
}

} // namespace
} // namespace tp
