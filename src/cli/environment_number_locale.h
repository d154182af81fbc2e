#pragma once

#include "convert/number_locale.h"

namespace quantora {

// The user's way of writing numbers as the operating system gives it to a console program: the
// C library's numeric locale of the environment (LC_ALL, LC_NUMERIC, LANG), or the user's locale
// settings on Windows. Separators are UTF-8 whatever the locale's character set.
NumberLocale EnvironmentNumberLocale();

}  // namespace quantora
