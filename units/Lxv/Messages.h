#pragma once
// Modal messages of the unit.
//
// STAND-IN: the platform has no message box yet. Every message of the unit
// goes through Lxv::ShowMessage, so pointing its body at the platform's
// ShowMessage, once that exists, is the one change needed.
#include <functional>
#include <string>

namespace Lxv {

// Shows `text` in a modal box with an OK button.
void ShowMessage(const std::string& text);

// Where messages go until the platform's box exists: standard error unless a
// handler is installed (tests record them). Returns the previous handler.
using TMessageHandler = std::function<void(const std::string& text)>;
TMessageHandler SetMessageHandler(TMessageHandler handler);

}  // namespace Lxv
