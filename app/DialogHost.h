#pragma once
// MsgBox and InputBox from a brain, as the window shows them: real dialogs over the window.
#include <QMessageBox>

#include "script/runtime/context.h"

class QWidget;

class DialogHost : public vbs::Host {
public:
    explicit DialogHost(QWidget* parent) : parent_(parent) {}
    int msgBox(std::u16string_view prompt, int buttons, std::u16string_view title) override;
    bool inputBox(std::u16string_view prompt, std::u16string_view title, std::u16string_view defaultText,
                  std::u16string& answer) override;

    // MsgBox's button groups (the low nibble of its buttons argument) as the dialog's buttons, and
    // the button pressed as MsgBox's answer (vbOK = 1 ... vbNo = 7).
    static QMessageBox::StandardButtons ButtonsFor(int buttons);
    static int AnswerFor(QMessageBox::StandardButton pressed);

private:
    QWidget* parent_;
};
