#pragma once
// A text picture of a form for tests and headless runs: one line per control,
// indented under its parent, in z-order:
//   Name: Class 'caption' at left,top size widthxheight [state] [disabled] [hidden] [focused]
// then the control's entries, one per line, marked ">" when current and "*"
// when highlighted, and the items of the form's main menu.
#include <string>

namespace platform {

class TForm;

std::string FormSnapshot(const TForm& form);

}  // namespace platform
