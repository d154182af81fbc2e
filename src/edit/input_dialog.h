#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

class QLineEdit;

namespace quantora {

class WindowLaunchers;

// The one-line input box the custom units editor asks category names with.
class dlgInput : public QDialog {
    Q_OBJECT

public:
    // Says why a text cannot be taken, or nothing when it can.
    using TextCheck = std::function<std::string(const QString&)>;

    dlgInput(const QString& title, const QString& prompt, const QString& value, TextCheck check,
             WindowLaunchers& launchers, QWidget* parent = nullptr);

    // The text taken by OK; the value given while the box was cancelled.
    const QString& Value() const { return value_; }

    void accept() override;

private:
    QString value_;
    TextCheck check_;
    QLineEdit* edit_;
};

}  // namespace quantora
