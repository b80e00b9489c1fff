#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace korvalde {

// One statistic of the printed card: its label and its value as the sheet writes them.
struct CardRow {
    QString label;
    QString value;
};

// What the printed weapon card says; the front end only lays it out.
struct WeaponCard {
    QString name;     // the heading
    QString fileName; // offered when the card is printed to a file
    CardRow frame;
    QList<CardRow> statistics;
    CardRow price;
    QString modificationsHeading;
    QStringList modifications;
};

} // namespace korvalde
