#include "app/FailureList.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

void ShowFailureList(QWidget* parent, const std::vector<std::string>& failures) {
    QDialog dialog(parent);
    dialog.setWindowTitle("Tarvik - brain failures");
    auto* list = new QPlainTextEdit(&dialog);
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    QString text;
    for (const auto& failure : failures) text += QString::fromStdString(failure).replace("\r\n", "\n") + "\n\n";
    list->setPlainText(text.trimmed());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(dialog.fontMetrics().averageCharWidth() * 90, dialog.fontMetrics().lineSpacing() * 20);
    dialog.exec();
}
