#pragma once

#include "convert/number_locale.h"

namespace quantora {

// The user's way of writing numbers, one rule for the window and the command line so both print the
// same text: the C library's numeric locale of the environment (LC_ALL, else LC_NUMERIC, else LANG;
// a locale the system has not installed, and "C", give "." and no grouping), or the user's locale
// settings on Windows. Separators are UTF-8 whatever the locale's character set. Read afresh for
// every conversion run, so a changed setting shows at the next run.
NumberLocale EnvironmentNumberLocale();

}  // namespace quantora
