// The LINE MONITOR window: every frame and acknowledgement on the line as it passes, with the time
// since the first, the direction, the bytes, the command's name and decoded fields, failures in red.
// Non-modal; it watches the line only while it is open. The rows arrive in batches from a timer, so a
// transfer runs at its own pace while the window keeps up.
#pragma once

#include "service/LineLog.h"

#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

class QCheckBox;
class QPushButton;
class QTableView;
class ScaleSession;
class LineModel;

class LineMonitor : public QWidget {
    Q_OBJECT
public:
    // Each batch redraws the rows in view; four times a second keeps up with the eye and costs a
    // paced transfer at 115200 baud about one percent.
    static constexpr int kBatchIntervalMs = 250;
    // Rows kept in the window; the oldest go first.
    static constexpr int kRowLimit = 50000;
    static const QColor failureColour;

    explicit LineMonitor(ScaleSession& session, QWidget* parent = nullptr);
    ~LineMonitor() override;

    // Takes what the line brought since the last batch into the table (the timer's job; tests call
    // it to see the rows at once).
    void showBatch();
    void clearLog();
    void saveLog();

    QTableView* table = nullptr;
    QCheckBox* pause = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* saveButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    ScaleSession& session;
    // Shared with the link's trace hook, which may outlive a batch.
    std::shared_ptr<LineLog> log = std::make_shared<LineLog>();
    // The rows as a model of their own: a batch is one insertion, and only the rows in view are drawn,
    // which keeps the window's share of a transfer's time small.
    LineModel* model = nullptr;
    QTimer batchTimer;
};
