#pragma once
// Enter presses the window's default button (the shown, enabled push button marked default), as
// in a dialog, wherever the focus is in a control that leaves Enter to its window: a line edit,
// a drop-down list, a check box. A focused push button is pressed itself; controls that take
// Enter for themselves (a list that runs its look-up) keep it. Mark the button default, not
// auto-default: outside a dialog Qt takes the default mark from an auto-default button when it
// loses the focus.
class QWidget;

void EnterNaciskaDomyslny(QWidget* okno);
