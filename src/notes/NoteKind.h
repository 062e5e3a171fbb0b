#pragma once

#include <array>
#include <string_view>

namespace tp {

// The four kinds of note; each has its own file extension and its own rule for the file name.
enum class NoteKind { Day, Periodic, Yearly, WeekdayInMonth };

inline constexpr std::array<NoteKind, 4> kAllNoteKinds{NoteKind::Day, NoteKind::Periodic,
                                                       NoteKind::Yearly, NoteKind::WeekdayInMonth};

constexpr std::string_view noteFileExtension(NoteKind kind) {
    switch (kind) {
    case NoteKind::Day:
        return ".txt";
    case NoteKind::Periodic:
        return ".tnt";
    case NoteKind::Yearly:
        return ".jnt";
    case NoteKind::WeekdayInMonth:
        return ".wmt";
    }
    return {};
}

// Longest note text in characters; the editors cut longer texts.
inline constexpr int kNoteLengthLimit = 8191;

} // namespace tp
