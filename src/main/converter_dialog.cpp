#include "main/converter_dialog.h"

#include <QShowEvent>

#include "app/profile_store.h"
#include "app/widget_placement.h"

namespace quantora {

CConverterDlg::CConverterDlg(ProfileStore& profile, QWidget* parent) : QDialog(parent), profile_(profile) {
    setWindowTitle(QStringLiteral("Quantora"));
    setSizeGripEnabled(true);
    resize(660, 540);
}

CConverterDlg::~CConverterDlg() { SaveWindowPlacement(profile_, placement_entry::kMainWindow, *this); }

void CConverterDlg::showEvent(QShowEvent* event) {
    // A spontaneous show is the window system showing an already visible window again.
    if (MainWindowFirstShow().ShouldRestore(true, event->spontaneous())) {
        RestoreWindowPlacement(profile_, placement_entry::kMainWindow, *this);
    }
    QDialog::showEvent(event);
}

}  // namespace quantora
