// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace windowing {

// An embedded browser pane. The web view itself is made only once the pane
// has been painted and its window activated: starting Qt WebEngine costs far
// more than the whole window, and the user should be able to type at once.
class WebPane : public QWidget {
    Q_OBJECT

public:
    // `pageScript` runs in every page the pane loads, before the page's own.
    explicit WebPane(QString pageScript, QWidget* parent = nullptr);

    // Shows the local file at `path`; does not wait for it to load.
    void navigate(const QString& path);
    // The title of the page it shows, once it has one.
    QString title() const;
    // What a script run in the page gives; nothing before the view exists.
    void evaluate(const QString& script, std::function<void(const QString& result)> done);

signals:
    void loadFinished(bool ok);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createView();

    QPointer<QWidget> m_view;
    QUrl m_location;
    QString m_pageScript;
    bool m_viewScheduled = false;
};

} // namespace windowing
