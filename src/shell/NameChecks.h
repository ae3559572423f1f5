#pragma once

#include "platform/Messages.h"

class QLineEdit;

// The calculator name checks of the Save commands. Each shows its own message (exclamation
// icon, OK button) and puts the focus into the box when the name fails; the box's text is
// never changed. Returns whether the name passes.
bool CheckPicVarName(QLineEdit *Text2, Messages &messages);
bool CheckFolderName(QLineEdit *Text3, Messages &messages);

// Both checks, always both, the variable name first: with two bad names the user sees
// two messages and the focus ends in the folder box. True when both pass.
bool checkBothNames(QLineEdit *Text2, QLineEdit *Text3, Messages &messages);
