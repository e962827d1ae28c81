#include "app/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include "app/ChartWindow.h"
#include "app/DebugDump.h"
#include "app/DesignLayout.h"
#include "app/FailureList.h"
#include "app/TarvikIcon.h"
#include "settings/SettingsProblem.h"
#include "settings/modGlobals.h"
#include "support/Failure.h"
#include "support/MessageBox.h"

namespace {

QString qt(const std::string& utf8) { return QString::fromStdString(utf8); }

// The wait cursor while brains are asked: a long call blocks the window.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

std::string joined(const std::vector<std::string>& messages) {
    std::string text;
    for (const auto& message : messages) text += (text.empty() ? "" : "\r\n\r\n") + message;
    return text;
}

constexpr const char* kFullText = "fullText";
const QString kWidestTime = "99999.9999";

// The room a label or button has for its text.
QRect TextRoom(const QWidget* widget) {
    if (auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    return static_cast<const QLabel*>(widget)->contentsRect();
}

std::string failureText(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const tarvik::BrainFailure& brain) {
        return brain.Message();
    } catch (const tarvik::SettingsProblem& settings) {
        return settings.Message;
    } catch (const tarvik::Failure& runtime) {
        return tarvik::StandardFailureMessage(runtime);
    } catch (const vbs::ScriptError& script) {
        return tarvik::StandardFailureMessage(tarvik::Failure(script.number, vbs::utf16ToUtf8(script.description)));
    } catch (const std::bad_alloc&) {
        return tarvik::StandardFailureMessage(tarvik::Failure(7, "Out of memory"));
    } catch (const std::exception& other) {
        return tarvik::StandardFailureMessage(tarvik::Failure(51, other.what()));
    }
}

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(tarvik::ProgramTitle);
    setWindowIcon(TarvikIcon());
    auto* client = new QWidget(this);
    setCentralWidget(client);

    Text2 = new QPlainTextEdit(client);
    Text1 = new QLineEdit(client);
    Text1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command3 = new QPushButton(client);
    Command2 = new QPushButton(client);
    cmdVorli = new QPushButton(client);
    cmdAll = new QPushButton("All Responses", client);
    cmdTextFile = new QPushButton("Read Text", client);
    Label1 = new QLabel(client);
    Label2 = new QLabel(client);
    Label3 = new QLabel(client);
    Label4 = new QLabel("Label4", client);
    Label5 = new QLabel("Label5", client);
    Label6 = new QLabel("Label6", client);

    using L = DesignLayout;
    layout_ = std::make_unique<DesignLayout>(client, 7320, 3240);
    layout_->Add(Text2, 120, 0, 5475, 1995, L::GrowBoth);
    layout_->Add(Text1, 120, 2220, 4635, 855, L::BottomGrow);
    layout_->Add(Command3, 5700, 60, 1455, 255, L::Right);
    layout_->Add(Command2, 5700, 420, 1455, 255, L::Right);
    layout_->Add(cmdVorli, 5700, 780, 1455, 315, L::Right);
    layout_->Add(cmdAll, 5700, 1200, 1455, 315, L::Right);
    layout_->Add(cmdTextFile, 5700, 1620, 1455, 315, L::Right);
    layout_->Add(Label1, 4920, 2160, 1275, 195, L::BottomRight);
    layout_->Add(Label2, 4920, 2520, 1275, 195, L::BottomRight);
    layout_->Add(Label3, 4920, 2880, 1275, 195, L::BottomRight);
    layout_->Add(Label4, 6360, 2160, 795, 195, L::BottomRightTime);
    layout_->Add(Label5, 6360, 2520, 795, 195, L::BottomRightTime);
    layout_->Add(Label6, 6360, 2880, 795, 195, L::BottomRightTime);
    for (QLabel* time : {Label4, Label5, Label6}) time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout_->FitTimeColumn(Label4->fontMetrics().horizontalAdvance(kWidestTime) + 2);
    client->setMinimumSize(layout_->MinimumSize());
    client->installEventFilter(this);
    layout_->Apply();

    // Tab order as designed: brain 2's button first, then the input box, brain 1, brain 3, all,
    // read text, and the output box.
    QWidget* tabOrder[] = {Command2, Text1, Command3, cmdVorli, cmdAll, cmdTextFile, Text2};
    for (size_t i = 0; i + 1 < std::size(tabOrder); ++i) setTabOrder(tabOrder[i], tabOrder[i + 1]);
    Command2->setFocus();

    mnuEdit = menuBar()->addAction("&Edit INI File");

    statusText = new QLabel(this);
    failuresButton = new QPushButton("Failures...", this);
    failuresButton->setFlat(true);
    failuresButton->hide();
    statusBar()->addWidget(statusText, 1);
    statusBar()->addPermanentWidget(failuresButton);
    chartButton = new QPushButton("Chart...", this);
    chartButton->setFlat(true);
    chartButton->setToolTip("The times of the last batch, per line and per brain");
    statusBar()->addPermanentWidget(chartButton);
    connect(chartButton, &QPushButton::clicked, this, &Form1::showChart);
    statusTick_ = new QTimer(this);
    statusTick_->setInterval(500);
    connect(statusTick_, &QTimer::timeout, this, &Form1::showStatus);
    connect(failuresButton, &QPushButton::clicked, this, &Form1::showFailures);

    connect(Command3, &QPushButton::clicked, this, [this] { askBrain(1); });
    connect(Command2, &QPushButton::clicked, this, [this] { askBrain(2); });
    connect(cmdVorli, &QPushButton::clicked, this, [this] { askBrain(3); });
    connect(cmdAll, &QPushButton::clicked, this, [this] {
        command([this] {
            std::string failures = joined(reportedFailures(runAllBrains()));
            if (!failures.empty()) tarvik::ShowMessageBox(failures);
        });
    });
    connect(cmdTextFile, &QPushButton::clicked, this, [this] { toggleTextFile(); });
    connect(mnuEdit, &QAction::triggered, this, [this] { command([this] { editIniFile(); }); });

    struct Named { QWidget* widget; const char* name; };
    for (Named named : {Named{Command3, "Command3"}, {Command2, "Command2"}, {cmdVorli, "cmdVorli"}, {cmdAll, "cmdAll"},
                        {cmdTextFile, "cmdTextFile"}, {chartButton, "chartButton"}, {failuresButton, "failuresButton"}}) {
        named.widget->setObjectName(named.name);
    }
    StartDebugDump(*this);

    engines_.SetHost(&dialogs_);
    tarvik::SetMessageBoxSink([this](const std::string& text, const std::string& title) {
        if (!closing_) QMessageBox::information(isVisible() ? this : nullptr, qt(title), qt(text));
    });
}

Form1::~Form1() { tarvik::SetMessageBoxSink(nullptr); }

bool Form1::Load(const std::string& iniPath) {
    try {
        if (iniPath.empty()) {
            modGlobals::LoadSettings();
        } else {
            modGlobals::IniPath = iniPath;
            modGlobals::ReadSettings(iniPath);
        }
        setName(Command3, qt(modGlobals::Brain1Name));
        setName(Command2, qt(modGlobals::Brain2Name));
        setName(cmdVorli, qt(modGlobals::Brain3Name));
        LoadScripts();
        setName(Label1, qt(modGlobals::Brain1Name + ":"));
        setName(Label2, qt(modGlobals::Brain2Name + ":"));
        setName(Label3, qt(modGlobals::Brain3Name + ":"));
        Text1->setText("Type something here!");
        Text2->setPlainText("");
        return true;
    } catch (...) {
        tarvik::ShowMessageBox(failureText(std::current_exception()));
        return false;
    }
}

void Form1::LoadScripts() {
    engines_.TakeSettings();
    std::vector<std::string> failures;
    QStringList unavailable;
    QPushButton* buttons[] = {Command3, Command2, cmdVorli};
    for (int brain = 1; brain <= 3; ++brain) {
        try {
            engines_.LoadScript(brain);
        } catch (const tarvik::BrainFailure& failure) {
            unavailable_[brain - 1] = failure.Message();
            failures.push_back(failure.Message());
            unavailable << QString("brain %1 (%2)").arg(brain).arg(qt(modGlobals::BrainName(brain)));
            buttons[brain - 1]->setEnabled(false);
            elide(buttons[brain - 1]);
        }
    }
    if (!failures.empty()) {
        tarvik::ShowMessageBox(joined(failures) + "\r\n\r\n" +
                               (failures.size() == 1 ? "This brain is" : "These brains are") +
                               " unavailable until the script is fixed and Tarvik restarted; the others work.");
        statusText->setText("Unavailable, its script does not compile: " + unavailable.join(", "));
    }
}

template <class Command>
void Form1::command(Command&& run) {
    try {
        run();
    } catch (...) {
        tarvik::ShowMessageBox(failureText(std::current_exception()));
    }
}

void Form1::askBrain(int brain) {
    command([&] {
        BusyCursor busy;
        if (auto failure = tarvik::SingleBrainQuery(engines_, *this, brain)) tarvik::ShowMessageBox(failure->Message());
    });
}

tarvik::AllBrainsResult Form1::runAllBrains() {
    BusyCursor busy;
    return tarvik::AllBrainsRun(engines_, *this);
}

std::vector<std::string> Form1::reportedFailures(const tarvik::AllBrainsResult& result) const {
    std::vector<std::string> messages;
    for (const auto& failure : result.failures) {
        if (failure && unavailable_[failure->Brain - 1].empty()) messages.push_back(failure->Message());
    }
    return messages;
}

void Form1::RunAllBrains() {
    tarvik::AllBrainsResult result = runAllBrains();
    if (!result.completed) return;
    std::array<std::optional<double>, 3> times;
    for (int b = 0; b < 3; ++b) {
        if (!result.failures[b]) times[b] = result.times[b];
    }
    progress_.LineDone(vbs::utf16ToUtf8(ReadText1()), times, reportedFailures(result));
    showStatus();
}

void Form1::BatchStarted(int usableLines) {
    progress_.Start(usableLines);
    batchClock_.start();
    statusTick_->start();
    showStatus();
}

void Form1::BatchFinished(bool stopped) {
    progress_.Finish(stopped);
    statusTick_->stop();
    showStatus();
    updateChart();
}

void Form1::showChart() {
    if (!chart_) {
        chart_ = new ChartWindow(this);
        chart_->move(frameGeometry().topRight() + QPoint(8, 0));  // beside the window, not over it
    }
    updateChart();
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void Form1::updateChart() {
    if (!chart_) return;
    std::array<QString, 3> names{qt(modGlobals::Brain1Name), qt(modGlobals::Brain2Name), qt(modGlobals::Brain3Name)};
    chart_->Update(progress_, names);
    chartDrawn_.start();
}

void Form1::showStatus() {
    statusText->setText(qt(progress_.Status(batchClock_.elapsed() / 1000.0)));
    failuresButton->setVisible(!progress_.Failures().empty());
    failuresButton->setText(QString("Failures (%1)...").arg(progress_.Failures().size()));
    // Live, but a redraw at most once a second keeps a long batch fast.
    if (progress_.Running() && chart_ && chart_->isVisible() && (!chartDrawn_.isValid() || chartDrawn_.elapsed() >= 1000)) {
        updateChart();
    }
}

void Form1::showFailures() { ShowFailureList(this, progress_.Failures()); }

void Form1::toggleTextFile() {
    stopRequested_ = false;
    if (cmdTextFile->text() == "Read Text") {
        cmdTextFile->setText("Stop Reading");
    } else {
        stopRequested_ = true;
        cmdTextFile->setText("Read Text");
    }
    command([this] { DoTextFile(); });
}

void Form1::DoTextFile() {
    ++batchDepth_;
    struct Leave {
        Form1& form;
        ~Leave() {
            // A close asked for during the batch happens once the outermost batch is over.
            if (--form.batchDepth_ == 0 && form.closing_) QMetaObject::invokeMethod(&form, &Form1::close, Qt::QueuedConnection);
        }
    } leave{*this};
    tarvik::DoTextFile(*this);
}

void Form1::editIniFile() {
    QString path = qt(modGlobals::IniPath);
    QStringList command;
    QString source;
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        command = QProcess::splitCommand(qEnvironmentVariable(variable));
        if (!command.isEmpty()) {
            source = QString(variable);
            break;
        }
    }
    if (command.isEmpty() && !QStandardPaths::findExecutable("xdg-open").isEmpty()) command = {"xdg-open"};
    const std::string advice = "Set VISUAL (or EDITOR) to a text editor, for example VISUAL=gedit, and start Tarvik "
                               "again, or open the settings file yourself:\r\n\r\n" + modGlobals::IniPath;
    if (command.isEmpty()) return tarvik::ShowMessageBox("No text editor was found to edit the settings. " + advice);
    QString program = command.takeFirst();
    if (!QProcess::startDetached(program, command << path)) {
        std::string named = source.isEmpty() ? "" : " (named by " + source.toStdString() + ")";
        tarvik::ShowMessageBox("The editor " + program.toStdString() + named + " could not be started. " + advice);
    }
}

std::u16string Form1::ReadText1() const { return Text1->text().toStdU16String(); }

void Form1::SetText1(const std::string& sentence) {
    Text1->setText(qt(sentence));
    if (progress_.Running()) showStatus();
}

void Form1::SetText2(const std::string& text) {
    // The box shows lines; the CR LF line ends stay in what is logged.
    QString shown = qt(text);
    shown.replace("\r\n", "\n");
    if (shown.endsWith('\n')) shown.chop(1);
    Text2->setPlainText(shown);
}

void Form1::SetTimeLabels(const std::string& label4, const std::string& label5, const std::string& label6) {
    Label4->setText(qt(label4));
    Label5->setText(qt(label5));
    Label6->setText(qt(label6));
}

std::string Form1::DecimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

void Form1::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void Form1::BatchEnded() { cmdTextFile->setText("Read Text"); }

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        layout_->Apply();
        for (QWidget* named : {static_cast<QWidget*>(Command3), static_cast<QWidget*>(Command2),
                               static_cast<QWidget*>(cmdVorli), static_cast<QWidget*>(Label1),
                               static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3)}) {
            elide(named);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::setName(QWidget* widget, const QString& name) {
    widget->setProperty(kFullText, name);
    elide(widget);
}

void Form1::elide(QWidget* widget) {
    QString full = widget->property(kFullText).toString();
    QString shown = widget->fontMetrics().elidedText(full, Qt::ElideMiddle, TextRoom(widget).width());
    QString tip = shown == full ? QString() : full;
    for (int brain = 1; brain <= 3; ++brain) {
        QWidget* slot[] = {Command3, Command2, cmdVorli};
        if (widget == slot[brain - 1] && !unavailable_[brain - 1].empty()) {
            tip += (tip.isEmpty() ? "" : "\n\n") + qt("Unavailable: " + unavailable_[brain - 1]);
        }
    }
    widget->setToolTip(tip);
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(shown);
    if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(shown);
}

std::vector<std::string> Form1::ClippedTexts() const {
    std::vector<std::string> clipped;
    auto check = [&](const char* name, const QWidget* widget, const QString& shown) {
        QRect room = TextRoom(widget);
        QFontMetrics metrics = widget->fontMetrics();
        QString full = widget->property(kFullText).isValid() ? widget->property(kFullText).toString() : shown;
        bool hidden = shown != full && widget->toolTip().indexOf(full) < 0;
        if (metrics.horizontalAdvance(shown) > room.width() || metrics.height() > room.height() || hidden) {
            clipped.push_back(std::string(name) + ": \"" + shown.toStdString() + "\" (" + full.toStdString() + ") in " +
                              std::to_string(room.width()) + "x" + std::to_string(room.height()));
        }
    };
    check("Command3", Command3, Command3->text());
    check("Command2", Command2, Command2->text());
    check("cmdVorli", cmdVorli, cmdVorli->text());
    check("cmdAll", cmdAll, cmdAll->text());
    check("cmdTextFile", cmdTextFile, "Stop Reading");
    check("Label1", Label1, Label1->text());
    check("Label2", Label2, Label2->text());
    check("Label3", Label3, Label3->text());
    check("Label4", Label4, kWidestTime);
    check("Label5", Label5, kWidestTime);
    check("Label6", Label6, kWidestTime);
    return clipped;
}

void Form1::closeEvent(QCloseEvent* event) {
    if (batchDepth_ > 0) {
        // Let the running batch finish its current line, close its input and return; then close.
        closing_ = true;
        stopRequested_ = true;
        event->ignore();
        return;
    }
    event->accept();
}
