#pragma once

#include "model/window.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace korvalde::sheet {

// The fields a forward step copies, in the order it copies them. Pages 4 and 5 hand on
// everything but `typ`.
const QStringList &handOffFields();
const QStringList &handOffFieldsWithoutType();

// Builds the stat panel of pages 2 to 5 inside the frame `parent`: every sheet field with
// its label and layout placeholder. `snwPlaceholder` differs between pages.
void addStatPanel(Window &page, const QString &parent, const QString &snwPlaceholder);

// The value of a number field, or nothing when its text is no number.
std::optional<double> number(const Window &page, const QString &field);

// Writes back the field's value plus `amount`. A text that is no number is left alone:
// arithmetic on "-" changes nothing.
void add(Window &page, const QString &field, double amount);

// Copies the texts of `fields`, in this order, from one page to another.
void copy(const Window &from, Window &to, const QStringList &fields);

// Every change of `fke` on pages 2 to 5 checks that FKE stays 0 or more: below 0 it
// disables the forward button and says so; at 0 or more it enables the button again.
void installFkeGuard(Window &page, const QString &forwardButton);

inline const QString kFkeMessage = QStringLiteral("FKE darf nicht unter 0 liegen !");
inline const QString kAppTitle = QStringLiteral("Korvalde");

} // namespace korvalde::sheet
