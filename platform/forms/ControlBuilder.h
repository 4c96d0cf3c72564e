#pragma once

#include "Design.h"

#include <QString>
#include <QLabel>
#include <QWidget>

#include <span>
#include <vector>

namespace forms {

// The rows of a design with the changes of a derived design applied: a change replaces the members
// it names in the row of the same name, or adds its control when the base has no such row.
std::vector<Control> mergedDesign(std::span<const Control> design, std::span<const ControlChange> changes);

// Creates the widget of one design row inside its container, placed, captioned and styled.
QWidget* createControl(const Control& control, QWidget* container);

// The page of a tab control that holds the rows placed on it. Positions on a page are
// counted from the tab control's top-left, tabs included: pageOffset is where the page begins.
QWidget* tabPage(QWidget* tabControl, int page, QPoint* pageOffset);

// Paints a widget's background and text in design colours (kNoColour keeps the inherited one).
void applyColours(QWidget* widget, Colour back, Colour fore);

// Visible text of a label, button, frame, box or combo; empty for other kinds.
QString controlText(const QWidget* widget);
void setControlText(QWidget* widget, const QString& text);

// Makes a label's caption whole: it grows into free room beside it, or its font shrinks a little.
void fitCaption(QLabel* label);

// Whether the user can move to the control with Tab.
bool takesFocus(const QWidget* widget);

}  // namespace forms
