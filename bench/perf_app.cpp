// SPDX-License-Identifier: GPL-3.0-or-later
// The child process of bench/measure.sh that runs the calculator (the bare
// programs it is compared with are in perf_bare.cpp). It prints
// "<event> <realtime ns>" when something the user would see has happened:
//   app-ready     the main window painted, focus in Text1
//   app-pages     the calculator with both chart pages loaded (then waits)
//   app-stall     the longest wait for an answer in its first three seconds
//   handlers      mean time of the handlers with the painting of what they
//                 changed, against a bare setText and paint of the same label
#include "app/application.h"
#include "app/modalfailurereport.h"
#include "app/modalmessagebox.h"
#include "app/program.h"
#include "main_window/cashzakat.h"
#include "main_window/metalzakat.h"
#include "results_window/resultswindow.h"
#include "windowing/web_panes/webpane.h"
#include "windowing/windows/form.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>

#include "perfreport.h"

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

namespace {

// Calls `then` once, right after `widget` has been painted for the first time.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& widget, std::function<bool()> ready, std::function<void()> then)
        : QObject(&widget)
        , m_ready(std::move(ready))
        , m_then(std::move(then)) {
        widget.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, this, [this] { poll(); });
        }
        return false;
    }

private:
    void poll() {
        if (m_ready()) {
            m_then();
            return;
        }
        QTimer::singleShot(1, this, [this] { poll(); });
    }
    std::function<bool()> m_ready;
    std::function<void()> m_then;
    bool m_done = false;
};

class SilentBox : public shell::MessageBox {
public:
    void show(const QString&) override {}
};
class SilentReport : public windowing::FailureReport {
public:
    void report(const QString&) override {}
};

template <typename Fn> double meanMicroseconds(int rounds, Fn&& fn) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        fn(i);
    return timer.nsecsElapsed() / 1000.0 / rounds;
}

int handlers(app::Program& program) {
    windowing::Form& main = program.form1();
    QWidget& window = main.window();
    QLineEdit& amount = main.textBox(QStringLiteral("Text1"));
    QLabel& cashZakat = main.label(QStringLiteral("Label10"));
    const main_window::MetalRow gold{
        main.textBox(QStringLiteral("Text5")), main.comboBox(QStringLiteral("Combo2")),
        main.textBox(QStringLiteral("Text6")), main.label(QStringLiteral("Label14")),
        QStringLiteral("Please enter the gold price from above charts")};
    SilentBox box;
    gold.unit.setEditText(QStringLiteral("Gram"));
    gold.price.setText(QStringLiteral("1234.5"));
    program.form2().show(&window);
    QWidget& results = program.form2().window();
    program.form2().comboBox(QStringLiteral("Combo1")).setEditText(QStringLiteral("Rs. Pakistan"));

    // Repaints only draw once the windows are on the screen.
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed() &&
             results.windowHandle() && results.windowHandle()->isExposed()) &&
           waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    // The main window is composited with the web views and repaints on the
    // next frame, so the painting is timed by rendering what changed, as
    // the next frame would draw it.
    QImage canvas(results.size(), QImage::Format_ARGB32_Premultiplied);
    const auto paint = [&canvas](QWidget& widget) {
        widget.render(&canvas);
    };
    constexpr int rounds = 2000;
    const double bare = meanMicroseconds(rounds, [&](int i) {
        cashZakat.setText(QString::number(i));
        paint(cashZakat);
    });
    const double cash = meanMicroseconds(rounds, [&](int i) {
        amount.setText(QString::number(1000 + i));
        main_window::UpdateCashZakat(amount, cashZakat);
        paint(amount);
        paint(cashZakat);
    });
    const double metal = meanMicroseconds(rounds, [&](int i) {
        gold.weight.setText(QString::number(10 + i));
        main_window::UpdateMetalZakat(gold, box);
        paint(gold.weight);
        paint(gold.zakat);
    });
    const double calculate = meanMicroseconds(rounds, [&](int) {
        results_window::Calculate(program);
        paint(results);
    });
    std::printf("bare-setText-repaint %.1f\nUpdateCashZakat %.1f\nUpdateMetalZakat %.1f\n"
                "Calculate %.1f\n",
                bare, cash, metal, calculate);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("app-ready");
    app::prepareProcessEnvironment();
    QApplication application(argc, argv);
    MapReport mapped;
    std::unique_ptr<StallReport> stall;
    if (mode == "app-stall")
        stall = std::make_unique<StallReport>();

    SilentBox box;
    SilentReport failures;
    app::Program program(box, failures, [] {});

    {
        app::startProgram(program);
        if (mode == "handlers")
            return handlers(program);
        QWidget& window = program.form1().window();
        auto* text1 = &program.form1().control(QStringLiteral("Text1"));
        if (mode == "app-ready") {
            new FirstPaint(
                window, [text1] { return QApplication::focusWidget() == text1; },
                [] {
                    report("ready");
                    QCoreApplication::exit(0);
                });
        } else if (mode == "app-pages") {
            int loaded = 0;
            for (const char* pane : {"WebBrowser1", "WebBrowser2"}) {
                auto& chart = program.form1().webPane(QString::fromLatin1(pane));
                QObject::connect(&chart, &windowing::WebPane::loadFinished, &chart, [&loaded] {
                    if (++loaded == 2)
                        report("pages");
                });
            }
        }
    }
    return QApplication::exec();
}
