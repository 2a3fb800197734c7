#pragma once
// What the platform answers for the user's default locale.
#include <ostream>

// Prints every catalogue answer for the user's default locale (and the time
// picture), then a date, a time and a currency amount formatted under the
// format settings record.
void PrintLocaleReport(std::ostream& out);
