#pragma once
// The program's only window: the output and input boxes, a button per brain, "All Responses",
// "Read Text", the name and time labels, and the "Edit INI File" menu item.
#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <memory>

#include "app/BatchProgress.h"
#include "app/DialogHost.h"
#include "bench/BrainEngines.h"
#include "bench/Queries.h"
#include "records/TextFileBatch.h"

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class DesignLayout;
class ChartWindow;

class Form1 : public QMainWindow, public tarvik::QueryWindow, public tarvik::BatchWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up sequence: settings, captions, scripts, labels, input text. False (after the
    // standard failure message) when start-up failed and the program must end. The settings come
    // from Tarvik.ini beside the program unless another file is named.
    bool Load(const std::string& iniPath = "");

    // Loads the three brains; a brain whose script does not compile is left unavailable (its button
    // disabled, the error in its tooltip) and named in one message, and the others work.
    void LoadScripts();
    void DoTextFile();

    QPlainTextEdit* Text2;
    QLineEdit* Text1;
    QPushButton* Command3;
    QPushButton* Command2;
    QPushButton* cmdVorli;
    QPushButton* cmdAll;
    QPushButton* cmdTextFile;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QAction* mnuEdit;
    QLabel* statusText;           // the batch's progress and summary
    QPushButton* failuresButton;  // opens the list of the batch's brain failures
    QPushButton* chartButton;     // opens the chart of the batch's times
    ChartWindow* Chart() const { return chart_; }

    // The compile error of brain n's script, "" when the brain is available.
    const std::string& Unavailable(int brain) const { return unavailable_[brain - 1]; }
    const tarvik::BatchProgress& Progress() const { return progress_; }
    // The labels and buttons whose text does not fit (the time labels tried with the widest time),
    // or whose elided text has not its full text in the tooltip; empty when nothing is clipped.
    std::vector<std::string> ClippedTexts() const;

    tarvik::BrainEngines& engines() { return engines_; }

    // QueryWindow and BatchWindow.
    std::u16string ReadText1() const override;
    void SetText2(const std::string& text) override;
    void SetTimeLabels(const std::string& label4, const std::string& label5, const std::string& label6) override;
    bool StopRequested() const override { return stopRequested_; }
    void SetStopRequested(bool stop) override { stopRequested_ = stop; }
    std::string DecimalSeparator() const override;
    void SetText1(const std::string& sentence) override;
    void RunAllBrains() override;
    void ProcessPendingEvents() override;
    void BatchEnded() override;
    void BatchStarted(int usableLines) override;
    void BatchFinished(bool stopped) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void askBrain(int brain);
    tarvik::AllBrainsResult runAllBrains();
    // The failures of available brains (an unavailable brain's error was shown at start-up).
    std::vector<std::string> reportedFailures(const tarvik::AllBrainsResult& result) const;
    void showStatus();
    void showFailures();
    void showChart();
    void updateChart();
    // Shows a brain's name in a label or button, elided in the middle when it does not fit.
    void setName(QWidget* widget, const QString& name);
    void elide(QWidget* widget);
    void toggleTextFile();
    void editIniFile();
    // Runs one command; a failure shows the standard failure message and abandons the command.
    template <class Command>
    void command(Command&& run);

    DialogHost dialogs_{this};
    tarvik::BrainEngines engines_;
    bool stopRequested_ = false;
    int batchDepth_ = 0;  // a click between two lines may start a nested batch
    bool closing_ = false;
    std::array<std::string, 3> unavailable_;
    tarvik::BatchProgress progress_;
    QElapsedTimer batchClock_;
    QTimer* statusTick_;  // the elapsed time moves on between lines
    std::unique_ptr<DesignLayout> layout_;
    ChartWindow* chart_ = nullptr;  // made on first use
    QElapsedTimer chartDrawn_;
};
