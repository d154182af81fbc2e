#pragma once

#include <QLocale>

#include "convert/number_locale.h"

namespace quantora {

// The number conventions of a Qt locale.
NumberLocale NumberLocaleFrom(const QLocale& locale);

// The number conventions of the user's own locale; read once per conversion run, so a change in
// the system settings shows at the next run.
NumberLocale UserNumberLocale();

}  // namespace quantora
