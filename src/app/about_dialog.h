#pragma once

#include <QDialog>

namespace quantora {

// The About box: program name, version and build.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace quantora
