#pragma once
// The program's only window: the output and input boxes, a button per brain, "All Responses",
// "Read Text", the name and time labels, and the "Edit INI File" menu item.
#include <QMainWindow>

#include "app/DialogHost.h"
#include "bench/BrainEngines.h"
#include "bench/Queries.h"
#include "records/TextFileBatch.h"

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Form1 : public QMainWindow, public tarvik::QueryWindow, public tarvik::BatchWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up sequence: settings, captions, scripts, labels, input text. False (after the
    // standard failure message) when start-up failed and the program must end. The settings come
    // from Tarvik.ini beside the program unless another file is named.
    bool Load(const std::string& iniPath = "");

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

    tarvik::BrainEngines& engines() { return engines_; }

    // QueryWindow and BatchWindow.
    std::u16string ReadText1() const override;
    void SetText2(const std::string& text) override;
    void SetTimeLabels(const std::string& label4, const std::string& label5, const std::string& label6) override;
    bool StopRequested() const override { return stopRequested_; }
    void SetStopRequested(bool stop) override { stopRequested_ = stop; }
    std::string DecimalSeparator() const override;
    void SetText1(const std::string& sentence) override;
    std::string RunAllBrains() override;
    void ProcessPendingEvents() override;
    void BatchEnded() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void askBrain(int brain);
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
};
