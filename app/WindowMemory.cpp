#include "WindowMemory.h"

#include <QAbstractButton>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QWidget>

namespace corvane::app {
namespace {

const QString kDirectory = QStringLiteral("window/directory");
const QString kServices = QStringLiteral("window/services");
const QString kGeometry = QStringLiteral("window/geometry");
const QString kState = QStringLiteral("window/state");
const QString kTrendCodeLines = QStringLiteral("trend/codeLines");
const QString kExportFolder = QStringLiteral("export/folder");

QString SplitterKey(const QObject& o) { return QStringLiteral("splitters/") + o.objectName(); }
QString TabKey(const QObject& o) { return QStringLiteral("tabs/") + o.objectName(); }
QString OptionKey(const QObject& o) { return QStringLiteral("options/") + o.objectName(); }

bool Remembered(const QAbstractButton& b) {
    return b.isCheckable() && b.property(kRememberedProperty).toBool() && !b.objectName().isEmpty();
}

}  // namespace

QString WindowMemory::DefaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/corvane/window.ini");
}

WindowMemory::Kept WindowMemory::read() const {
    Kept kept;
    if (!active()) return kept;
    const QSettings settings(file_, QSettings::IniFormat);
    if (settings.contains(kDirectory)) kept.directory = settings.value(kDirectory).toString();
    if (settings.contains(kServices)) {
        QList<QByteArray> codes;
        for (const QVariant& code : settings.value(kServices).toList())
            codes.push_back(code.toByteArray());
        kept.services = std::move(codes);
    }
    kept.geometry = settings.value(kGeometry).toByteArray();
    kept.state = settings.value(kState).toByteArray();
    kept.trendCodeLines = settings.value(kTrendCodeLines).toBool();
    kept.exportFolder = settings.value(kExportFolder).toString();
    return kept;
}

void WindowMemory::restoreControls(QWidget& window) const {
    if (!active()) return;
    const QSettings settings(file_, QSettings::IniFormat);
    for (QSplitter* splitter : window.findChildren<QSplitter*>())
        if (!splitter->objectName().isEmpty() && settings.contains(SplitterKey(*splitter)))
            splitter->restoreState(settings.value(SplitterKey(*splitter)).toByteArray());
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        if (tabs->objectName().isEmpty() || !settings.contains(TabKey(*tabs))) continue;
        const int index = settings.value(TabKey(*tabs)).toInt();
        if (index >= 0 && index < tabs->count()) tabs->setCurrentIndex(index);
    }
    for (QAbstractButton* option : window.findChildren<QAbstractButton*>())
        if (Remembered(*option) && settings.contains(OptionKey(*option)))
            option->setChecked(settings.value(OptionKey(*option)).toBool());
}

void WindowMemory::write(const Kept& kept, const QWidget& window) const {
    if (!active()) return;
    QSettings settings(file_, QSettings::IniFormat);
    if (kept.directory) settings.setValue(kDirectory, *kept.directory);
    if (kept.services) {
        QVariantList codes;
        for (const QByteArray& code : *kept.services) codes.push_back(code);
        settings.setValue(kServices, codes);
    }
    settings.setValue(kGeometry, kept.geometry);
    settings.setValue(kState, kept.state);
    settings.setValue(kTrendCodeLines, kept.trendCodeLines);
    if (!kept.exportFolder.isEmpty()) settings.setValue(kExportFolder, kept.exportFolder);
    for (const QSplitter* splitter : window.findChildren<QSplitter*>())
        if (!splitter->objectName().isEmpty())
            settings.setValue(SplitterKey(*splitter), splitter->saveState());
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        if (!tabs->objectName().isEmpty()) settings.setValue(TabKey(*tabs), tabs->currentIndex());
    for (const QAbstractButton* option : window.findChildren<QAbstractButton*>())
        if (Remembered(*option)) settings.setValue(OptionKey(*option), option->isChecked());
}

}  // namespace corvane::app
