#pragma once

#include <QTest>
#include <memory>
#include <vector>

#include "main_window.h"
#include "scripted_random_source.h"
#include "window_controls.h"

namespace dicewright::testing {

// The main window rolling scripted draws, shown and active, for the tests that drive it.
class ScriptedMainWindow {
public:
    // False when the window never became active.
    [[nodiscard]] bool open(std::vector<float> draws) {
        m_source = std::make_unique<ScriptedRandomSource>(std::move(draws));
        m_window = std::make_unique<MainWindow>(*m_source);
        m_window->show();
        return QTest::qWaitForWindowActive(m_window.get());
    }
    void close() {
        m_window.reset();
        m_source.reset();
    }

    MainWindow* window() const { return m_window.get(); }
    template <typename T = QWidget>
    T* control(const QString& name) const {
        return FindControl<T>(*m_window, name);
    }

private:
    std::unique_ptr<ScriptedRandomSource> m_source;
    std::unique_ptr<MainWindow> m_window;
};

}  // namespace dicewright::testing
