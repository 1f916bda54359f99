#include "ui/Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// "TAB separated Text Files|*.TXT" (description|patterns pairs) as Qt's "description (patterns)".
QString qtNameFilters(const QString& filter) {
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(
            parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return filters.join(QStringLiteral(";;"));
}

QString askFileName(QFileDialog::AcceptMode mode, const QString& filter, const QString& defaultSuffix,
                    const QString& folder) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Every save of the program replaces an existing file without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(qtNameFilters(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void fitTitle(QMessageBox& box) {
    // The title bar's own font is the window system's; the application's title font stands in for
    // it, and the margin covers the icon and the close, minimise and maximise buttons.
    constexpr int titleBarButtons = 160;
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    const int width = metrics.horizontalAdvance(box.windowTitle()) + titleBarButtons;
    // QMessageBox fixes its own size from its layout, so the room goes in as a spacer row.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
}

namespace {

class QtPrompts final : public Prompts {
public:
    void message(const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
        fitTitle(box);
        box.exec();
    }
    void applicationError(const QString& text) override {
        QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok,
                        QApplication::activeWindow());
        fitTitle(box);
        box.exec();
    }
    QString openFileName(const QString& filter, const QString& defaultSuffix,
                         const QString& folder) override {
        return askFileName(QFileDialog::AcceptOpen, filter, defaultSuffix, folder);
    }
    QString saveFileName(const QString& filter, const QString& defaultSuffix,
                         const QString& folder) override {
        return askFileName(QFileDialog::AcceptSave, filter, defaultSuffix, folder);
    }
    int chooseItem(const QString& title, const QString& label, const QStringList& items) override {
        bool ok = false;
        QString picked =
            QInputDialog::getItem(QApplication::activeWindow(), title, label, items, 0, false, &ok);
        return ok ? int(items.indexOf(picked)) : -1;
    }
    bool ask(const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        fitTitle(box);
        return box.exec() == QMessageBox::Yes;
    }
    void beep() override { QApplication::beep(); }
    void setWaitCursor(bool on) override {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else if (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
};

QtPrompts qtPrompts;
Prompts* installed = nullptr;

} // namespace

QString applicationTitle() {
    return QCoreApplication::applicationName();
}

Prompts& prompts() {
    return installed ? *installed : qtPrompts;
}

void setPrompts(Prompts* p) {
    installed = p;
}
