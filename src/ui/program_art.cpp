#include "ui/program_art.h"

#include <array>

// Qt's resource initialiser must be named from the global namespace.
static void RegisterProgramArt() { Q_INIT_RESOURCE(art); }

namespace quantora {

namespace {

// Resources in a static library are registered only when something names them.
QString ArtPath(const QString& name) {
    static const bool registered = (RegisterProgramArt(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/art/") + name;
}

}  // namespace

QIcon ProgramIcon() {
    static constexpr std::array kSizes{16, 24, 32, 48, 64, 128, 256};
    QIcon icon;
    for (int size : kSizes) icon.addFile(ArtPath(QStringLiteral("quantora-%1.png").arg(size)), QSize(size, size));
    return icon;
}

QString SplashPicturePath() { return ArtPath(QStringLiteral("splash.png")); }

}  // namespace quantora
