#include "app/DebugDump.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTextStream>
#include <QTimer>

#include "app/ChartWindow.h"
#include "app/Form1.h"

namespace {

QString rect(const QWidget* widget) {
    QRect r(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    return QString("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Written whole or not at all, as the test may read it at any moment.
void screenshot(QWidget* window, const QString& path) {
    if (!window || !window->isVisible()) return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && window->grab().save(&file, "PNG")) file.commit();
}

void dump(Form1& form, const QString& folder) {
    QSaveFile file(folder + "/window.txt");
    if (!file.open(QIODevice::WriteOnly)) return;
    QTextStream out(&file);
    out << "dpi " << form.logicalDpiX() << " ratio " << form.devicePixelRatioF() << "\n";
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(form.Command3), static_cast<QAbstractButton*>(form.Command2),
                                    static_cast<QAbstractButton*>(form.cmdVorli), static_cast<QAbstractButton*>(form.cmdAll),
                                    static_cast<QAbstractButton*>(form.cmdTextFile), static_cast<QAbstractButton*>(form.chartButton),
                                    static_cast<QAbstractButton*>(form.failuresButton)}) {
        out << "button " << button->objectName() << " " << rect(button) << " " << button->isVisible() << " "
            << button->text() << "\n";
    }
    out << "status " << form.statusText->text() << "\n";
    for (const auto& clipped : form.ClippedTexts()) out << "clipped " << QString::fromStdString(clipped) << "\n";
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        out << "message " << rect(box->buttons().value(0)) << " " << box->text().replace('\n', ' ') << "\n";
    }
    bool chart = form.Chart() && form.Chart()->isVisible();
    out << "chart " << (chart ? "open" : "closed") << "\n";
    out.flush();
    file.commit();
    screenshot(&form, folder + "/window.png");
    if (chart) screenshot(form.Chart(), folder + "/chart.png");
}

}  // namespace

void StartDebugDump(Form1& form) {
    QString folder = qEnvironmentVariable("TARVIK_DUMP");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    auto* timer = new QTimer(&form);
    QObject::connect(timer, &QTimer::timeout, &form, [&form, folder] { dump(form, folder); });
    timer->start(250);
}
