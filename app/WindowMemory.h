// What the window keeps from one start to the next, as the desktop's programs do: the
// log directory, the services checked (by code), its geometry and state, the positions
// of its splitters, the tab shown of each tab widget, the options marked to be kept
// (kRememberedProperty) and the trend's mode.  An INI file of the user's, through
// QSettings.  Nothing is kept for a window that was given no file (the tests, unless
// they test this), and a first start keeps the designed start-up.
#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>

class QWidget;

namespace corvane::app {

// A checkable control with this property set to true is kept by its object name.
inline constexpr char kRememberedProperty[] = "corvaneRemembered";

class WindowMemory {
public:
    WindowMemory() = default;
    explicit WindowMemory(QString file) : file_(std::move(file)) {}

    // The user's file: $XDG_CONFIG_HOME/corvane/window.ini (~/.config when unset).
    static QString DefaultFile();
    bool active() const { return !file_.isEmpty(); }

    // What was kept at the last close; nothing of a part never kept.
    struct Kept {
        std::optional<QString> directory;
        std::optional<QList<QByteArray>> services;  // the codes checked, as bytes
        QByteArray geometry;
        QByteArray state;
        bool trendCodeLines = false;
        QString exportFolder;
    };
    Kept read() const;
    // The splitters, tab widgets and remembered options under `window` as kept.
    void restoreControls(QWidget& window) const;

    // Keeps `kept` and the controls under `window` as they are now.
    void write(const Kept& kept, const QWidget& window) const;

private:
    QString file_;
};

}  // namespace corvane::app
