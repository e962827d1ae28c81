#include "app/DialogHost.h"

#include <QInputDialog>

namespace {

QString qt(std::u16string_view text) { return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QMessageBox::StandardButtons DialogHost::ButtonsFor(int buttons) {
    using B = QMessageBox::StandardButton;
    switch (buttons & 0xF) {
        case 1: return B::Ok | B::Cancel;
        case 2: return B::Abort | B::Retry | B::Ignore;
        case 3: return B::Yes | B::No | B::Cancel;
        case 4: return B::Yes | B::No;
        case 5: return B::Retry | B::Cancel;
        default: return B::Ok;
    }
}

int DialogHost::AnswerFor(QMessageBox::StandardButton pressed) {
    using B = QMessageBox::StandardButton;
    switch (pressed) {
        case B::Cancel: return 2;
        case B::Abort: return 3;
        case B::Retry: return 4;
        case B::Ignore: return 5;
        case B::Yes: return 6;
        case B::No: return 7;
        default: return 1;
    }
}

int DialogHost::msgBox(std::u16string_view prompt, int buttons, std::u16string_view title) {
    QMessageBox::Icon icon = (buttons & 0x70) == 16   ? QMessageBox::Critical
                             : (buttons & 0x70) == 32 ? QMessageBox::Question
                             : (buttons & 0x70) == 48 ? QMessageBox::Warning
                             : (buttons & 0x70) == 64 ? QMessageBox::Information
                                                      : QMessageBox::NoIcon;
    QMessageBox box(icon, qt(title), qt(prompt), ButtonsFor(buttons), parent_);
    return AnswerFor(static_cast<QMessageBox::StandardButton>(box.exec()));
}

bool DialogHost::inputBox(std::u16string_view prompt, std::u16string_view title, std::u16string_view defaultText,
                          std::u16string& answer) {
    bool ok = false;
    QString text = QInputDialog::getText(parent_, qt(title), qt(prompt), QLineEdit::Normal, qt(defaultText), &ok);
    answer = text.toStdU16String();
    return ok;
}
