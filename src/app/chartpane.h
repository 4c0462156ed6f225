#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <QWebEngineView>

namespace app {

// An embedded browser pane. The web view itself is made only after the pane
// has first been painted: creating Qt WebEngine costs far more than the whole
// window, and the user should be able to type while the pages load.
class ChartPane : public QWidget {
    Q_OBJECT

public:
    explicit ChartPane(QWidget* parent = nullptr);

    // Shows the local file at `path`; does not wait for it to load.
    void navigate(const QString& path);
    QUrl location() const { return m_location; }
    QWebEngineView* view() const { return m_view; }

signals:
    void viewCreated();
    void loadFinished(bool ok);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createView();
    void keepWindowActive();

    QPointer<QWebEngineView> m_view;
    QUrl m_location;
    bool m_viewScheduled = false;
};

} // namespace app
