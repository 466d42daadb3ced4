#pragma once

#include <QObject>
#include <QTest>
#include <memory>
#include <vector>

#include "main_window/main_window.h"
#include "scripted_random_source.h"
#include "window_controls.h"

namespace dicewright::testing {

// The base of the test classes that drive the main window: open() shows it, active, rolling
// scripted draws; control() finds its controls by objectName.
class MainWindowFixture : public QObject {
protected:
    void open(std::vector<float> draws) {
        m_source = std::make_unique<ScriptedRandomSource>(std::move(draws));
        m_owned = std::make_unique<MainWindow>(*m_source);
        m_window = m_owned.get();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void close() {
        m_window = nullptr;
        m_owned.reset();
        m_source.reset();
    }
    template <typename T = QWidget>
    T* control(const QString& name) const {
        return FindControl<T>(*m_window, name);
    }

    MainWindow* m_window = nullptr;

private:
    std::unique_ptr<ScriptedRandomSource> m_source;
    std::unique_ptr<MainWindow> m_owned;
};

}  // namespace dicewright::testing
