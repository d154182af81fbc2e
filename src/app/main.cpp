#include <QApplication>

#include "app/data_paths.h"
#include "app/qt_profile_store.h"
#include "main/converter_dialog.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quantora"));
    quantora::QtProfileStore profile;
    {
        quantora::CConverterDlg window(profile, quantora::ExecutableFolder());
        window.exec();
    }
    profile.Sync();
    return 0;
}
