#pragma once

#include <QIcon>
#include <QString>

namespace quantora {

// The program's icon in every size it is drawn in, from the small title-bar icon to the large one.
QIcon ProgramIcon();

// The start-up picture the splash window shows.
QString SplashPicturePath();

}  // namespace quantora
