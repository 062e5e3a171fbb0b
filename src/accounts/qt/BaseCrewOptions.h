#pragma once

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace tp {

// "Stammschicht:" with the five crews; the option's id is the crew 0..4.
inline QButtonGroup* addBaseCrewOptions(QWidget* window, QBoxLayout* layout, int crew) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Stammschicht:"), window));
    auto* group = new QButtonGroup(window);
    const QString names[] = {QStringLiteral("rot"), QStringLiteral("blau"), QStringLiteral("gelb"),
                             QStringLiteral("grün"), QStringLiteral("braun")};
    for (int i = 0; i < 5; ++i) {
        auto* option = new QRadioButton(names[i], window);
        group->addButton(option, i);
        row->addWidget(option);
    }
    group->button(crew >= 0 && crew < 5 ? crew : 0)->setChecked(true);
    layout->addLayout(row);
    return group;
}

} // namespace tp
