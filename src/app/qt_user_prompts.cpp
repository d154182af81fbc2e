#include "app/qt_user_prompts.h"

#include <QApplication>
#include <QMessageBox>

namespace quantora {

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QMessageBox::StandardButtons ButtonsOf(UserPrompts::Buttons buttons) {
    switch (buttons) {
        case UserPrompts::Buttons::Ok: return QMessageBox::Ok;
        case UserPrompts::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case UserPrompts::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case UserPrompts::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

UserPrompts::Answer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Yes: return UserPrompts::Answer::Yes;
        case QMessageBox::No: return UserPrompts::Answer::No;
        case QMessageBox::Ok: return UserPrompts::Answer::Ok;
        default: return UserPrompts::Answer::Cancel;
    }
}

}  // namespace

void QtUserPrompts::Message(std::string_view text, std::string_view caption) {
    QMessageBox::information(parent_, FromUtf8(caption), FromUtf8(text));
}

UserPrompts::Answer QtUserPrompts::Question(std::string_view text, std::string_view caption, Buttons buttons) {
    return AnswerOf(QMessageBox::question(parent_, FromUtf8(caption), FromUtf8(text), ButtonsOf(buttons)));
}

void QtUserPrompts::Beep() { QApplication::beep(); }

}  // namespace quantora
