#pragma once

#include <QDialog>

namespace quantora {

class ProfileStore;

// The main converter window: runs modally from start-up until the program ends.
class CConverterDlg : public QDialog {
    Q_OBJECT

public:
    explicit CConverterDlg(ProfileStore& profile, QWidget* parent = nullptr);
    ~CConverterDlg() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ProfileStore& profile_;
};

}  // namespace quantora
