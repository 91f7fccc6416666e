#pragma once

class QComboBox;
class QLineEdit;
class QString;

namespace vexa::app {

// Input boxes are white with black text and can be edited; result boxes are black
// with white text and locked.
void makeInput(QLineEdit* box);
void makeInput(QLineEdit* box, const QString& text);
// Makes the box a result: the result look, locked, and emptied.
void makeResult(QLineEdit* box);
// Gives the look of a result without emptying (for boxes that are results from the start).
void giveResultLook(QLineEdit* box);

bool looksLikeInput(const QLineEdit* box);

void makeInput(QComboBox* combo);
// Locks the combo in the result look and empties its text.
void makeResult(QComboBox* combo);

} // namespace vexa::app
