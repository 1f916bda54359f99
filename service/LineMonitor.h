// The LINE MONITOR window: every frame and acknowledgement on the line as it passes, with the time
// since the first, the direction, the bytes, the command's name and decoded fields, failures in red.
// Non-modal; it watches the line only while it is open. The rows arrive in batches from a timer, so a
// transfer runs at its own pace while the window keeps up.
#pragma once

#include "service/LineLog.h"

#include <QTimer>
#include <QWidget>
#include <memory>

class QCheckBox;
class QPushButton;
class QTableWidget;
class ScaleSession;

class LineMonitor : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBatchIntervalMs = 100;
    // Rows kept in the window; the oldest go first.
    static constexpr int kRowLimit = 50000;
    static const QColor failureColour;

    explicit LineMonitor(ScaleSession& session, QWidget* parent = nullptr);
    ~LineMonitor() override;

    // Takes what the line brought since the last batch into the table (the timer's job; tests call
    // it to see the rows at once).
    void showBatch();
    void ClearClick();
    void SaveClick();

    QTableWidget* table = nullptr;
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
    std::vector<LineEntry> shown;
    QTimer batchTimer;
};
