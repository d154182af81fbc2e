#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "quantora_version.h"
#include "ui/standard_ids.h"

namespace quantora {

namespace {

constexpr int kVersionLineId = 1074;

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(kProgramName));
    auto* name = new QLabel(QStringLiteral("<b>Quantora</b> — unit-of-measure converter"), this);
    auto* version = new QLabel(QStringLiteral("Version: ") + QLatin1String(kVersion) + QStringLiteral("   Build : ") +
                                   QLatin1String(kBuildNumber),
                               this);
    version->setObjectName(QString::number(kVersionLineId));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QString::number(standard_id::kOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(version);
    layout->addWidget(name);
    layout->addWidget(buttons);
}

}  // namespace quantora
