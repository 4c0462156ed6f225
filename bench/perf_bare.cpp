// SPDX-License-Identifier: GPL-3.0-or-later
// The bare Qt programs that bench/measure.sh compares the calculator with.
// Built twice:
//   perf_bare        a window of the same size with a caption and a text
//                    box, Qt Widgets only; prints "ready <realtime ns>" once
//                    painted, then quits
//   perf_bare_gl     perf_bare with the shared OpenGL context that Qt
//                    WebEngine needs, to show what that context costs
//   perf_bare_panes  the same window with two QWebEngineViews on the chart
//                    pages; prints "pages <realtime ns>" once both loaded,
//                    or with "stall" the longest wait for an answer in its
//                    first three seconds
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#ifdef BARE_PANES
#include <QWebEngineView>
#endif

#include "perfreport.h"

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

class Window : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
#ifndef BARE_PANES
        QTimer::singleShot(0, this, [] {
            report("ready");
            QCoreApplication::exit(0);
        });
#endif
    }
};

} // namespace

int main(int argc, char** argv) {
#if defined(BARE_PANES) || defined(BARE_SHARED_GL)
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#endif
    QApplication application(argc, argv);
    MapReport mapped;
    std::unique_ptr<StallReport> stall;
    if (argc > 1 && QByteArray(argv[1]) == "stall")
        stall = std::make_unique<StallReport>();
    Window window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(681, 528);
    QLabel caption(QStringLiteral("Cash & minimum Balance in the Bank"), &window);
    caption.setGeometry(144, 288, 177, 17);
    QLineEdit box(QStringLiteral("0"), &window);
    box.setGeometry(352, 288, 73, 21);
#ifdef BARE_PANES
    int loaded = 0;
    const char* pages[] = {"silver.html", "gold.html"};
    for (int i = 0; i < 2; ++i) {
        auto* view = new QWebEngineView(&window);
        view->setGeometry(360 - 184 * i, 80, 177, 129);
        QObject::connect(view, &QWebEngineView::loadFinished, view, [&loaded] {
            if (++loaded == 2)
                report("pages");
        });
        view->load(QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                       QLatin1String(pages[i])));
    }
#endif
    window.show();
    return QApplication::exec();
}
