#include "ui/dialog_units.h"

#include <QFontMetrics>

namespace quantora {

namespace {

constexpr int kLetterCount = 52;

// Rounded to the nearest pixel, as the platform's own mapping does.
int Scale(int units, int base, int divisor) { return (units * base * 2 + divisor) / (divisor * 2); }

}  // namespace

DialogUnits::DialogUnits(const QFont& dialogFont) {
    const QFontMetrics metrics(dialogFont);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseWidth_ = (letters + kLetterCount / 2) / kLetterCount;
    baseHeight_ = metrics.height();
}

int DialogUnits::X(int units) const { return Scale(units, baseWidth_, 4); }
int DialogUnits::Y(int units) const { return Scale(units, baseHeight_, 8); }

QRect DialogUnits::Map(int x, int y, int width, int height) const { return {X(x), Y(y), X(width), Y(height)}; }

}  // namespace quantora
