#pragma once
// Access to the form vectors of the shared fixtures, and their stream-level
// listing in the line format of the vectors' .values files.
#include <string>
#include <vector>

#include "platform/form_files/form_document.h"

namespace lxvtest {

std::string FormFixturePath(const std::string& file);
std::string FormFixture(const std::string& file);

// The listing of a decoded form, one line per entry as in NAME.values; the
// decimal shown for floats is left out (the bytes stay).
std::vector<std::string> ValuesListing(const platform::TFormObject& form);
// NAME.values with the float decimals left out likewise.
std::vector<std::string> ValuesFile(const std::string& vector);

}  // namespace lxvtest
