// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace windowing {

// The embedded browser behind the web panes. Qt WebEngine lives in a plugin
// (plugins/webviews beside the executable) and is loaded only when the first
// pane is painted: linking it into the program would add ~150 ms to every
// start, before the window can show.
class WebViewBackend {
public:
    virtual ~WebViewBackend() = default;
    virtual QWidget* createView(QWidget* parent) = 0;
    // A script that runs in every page the view loads, before the page's own.
    virtual void addStartScript(QWidget* view, const QString& source) = 0;
    virtual void load(QWidget* view, const QUrl& url) = 0;
    virtual QString title(QWidget* view) const = 0;
    virtual void onLoadFinished(QWidget* view, QObject* context,
                                std::function<void(bool ok)> handler) = 0;
    // Runs a script in the page and hands its result, as text, to `done`.
    virtual void evaluate(QWidget* view, const QString& script,
                          std::function<void(const QString& result)> done) = 0;
};

// The plugin's backend, loaded on first use; nullptr when the plugin is
// missing or cannot be loaded (the panes then stay empty).
WebViewBackend* webViewBackend();

} // namespace windowing

#define WindowingWebViewBackend_iid "windowing.WebViewBackend/1.2"
Q_DECLARE_INTERFACE(windowing::WebViewBackend, WindowingWebViewBackend_iid)
