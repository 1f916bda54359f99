#include "ui/Prompts.h"

#include <QApplication>
#include <QFileDialog>
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

class QtPrompts final : public Prompts {
public:
    void message(const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }
    void applicationError(const QString& text) override {
        QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok,
                        QApplication::activeWindow());
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
